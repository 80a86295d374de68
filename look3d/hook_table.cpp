// Table of hooked threads. The hook procedure finds its thread's entry through
// a one-entry cache, so events of the thread it met last need no search.
#include "look3d/c3d.h"
#include "look3d/look_state.h"

namespace look3d {

HookEntry hookTable[MAX_HOOKED_THREADS];
int hookCount;
DWORD hookCacheThread;
int hookCacheIndex;

void RemoveHookOfInstance(HINSTANCE instance)
{
    for (int i = 0; i < hookCount; ++i) {
        if (hookTable[i].instance != instance) continue;
        UnhookWindowsHookEx(hookTable[i].hook);
        --hookCount;
        for (int j = i; j < hookCount; ++j) hookTable[j] = hookTable[j + 1];
        hookTable[hookCount] = HookEntry{};
        // The cache must keep naming the live entry of its thread.
        if (hookCacheIndex == i)
            hookCacheThread = 0;
        else if (hookCacheIndex > i)
            --hookCacheIndex;
        return;
    }
}

const HookEntry* FindHookOfThread(DWORD threadId)
{
    if (threadId == hookCacheThread) return &hookTable[hookCacheIndex];
    for (int i = 0; i < hookCount; ++i) {
        if (hookTable[i].threadId == threadId) {
            hookCacheThread = threadId;
            hookCacheIndex = i;
            return &hookTable[i];
        }
    }
    return nullptr;
}

}  // namespace look3d

using namespace look3d;

BOOL C3dHookThread(HINSTANCE instance)
{
    if (winVersion < WINVER_HOOKS || !lookActive || hookCount >= MAX_HOOKED_THREADS) return FALSE;
    const DWORD thread = GetCurrentThreadId();
    HHOOK hook = SetWindowsHookExA(WH_CBT, LookCbtHook, moduleInstance, thread);
    if (!hook) return FALSE;
    hookTable[hookCount] = HookEntry{instance, thread, hook};
    hookCacheThread = thread;
    hookCacheIndex = hookCount;
    ++hookCount;
    return TRUE;
}
