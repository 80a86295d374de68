// The per-thread memo of the last previous procedure. It lives in two
// thread-local slots of the system, so every thread has its own pair and no
// thread can see a half-written one.
#include "look3d/pass_on.h"

#include "look3d/subclass.h"

namespace look3d {

namespace {

DWORD windowSlot = TLS_OUT_OF_INDEXES;
DWORD procSlot = TLS_OUT_OF_INDEXES;

bool MemoReady()
{
    return procSlot != TLS_OUT_OF_INDEXES;
}

}  // namespace

void InitPrevProcMemo()
{
    // The slots are kept for the life of the process: subclassed windows
    // outlive a shutdown of the look.
    if (MemoReady()) return;
    windowSlot = TlsAlloc();
    if (windowSlot == TLS_OUT_OF_INDEXES) return;
    procSlot = TlsAlloc();
    if (procSlot == TLS_OUT_OF_INDEXES) {
        TlsFree(windowSlot);
        windowSlot = TLS_OUT_OF_INDEXES;
    }
}

LRESULT PassOn(HWND window, int row, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous;
    if (MemoReady() && TlsGetValue(windowSlot) == window) {
        previous = reinterpret_cast<WNDPROC>(TlsGetValue(procSlot));
    } else {
        previous = LookupPrevProc(window, row);
        if (MemoReady()) {
            TlsSetValue(windowSlot, window);
            TlsSetValue(procSlot, reinterpret_cast<void*>(previous));
        }
    }
    // The handle may name another window once this one is gone.
    if (message == WM_NCDESTROY) ForgetPrevProc(window);
    return CallWindowProcA(previous, window, message, wParam, lParam);
}

void ForgetPrevProc(HWND window)
{
    if (MemoReady() && TlsGetValue(windowSlot) == window) TlsSetValue(windowSlot, nullptr);
}

}  // namespace look3d
