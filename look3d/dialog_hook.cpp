// Window-creation hook: catches every dialog a hooked thread creates and gives
// it the dialog look when its first child is created, before WM_INITDIALOG.
#include "look3d/c3d.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

namespace look3d {

HWND pendingDialog;

namespace {

// The system dialog class, as the integer atom a template creates it with.
constexpr ULONG_PTR kDialogClassAtom = 32770;

void OnWindowCreated(HWND window, const CREATESTRUCTA* create)
{
    if (reinterpret_cast<ULONG_PTR>(create->lpszClass) == kDialogClassAtom) {
        pendingDialog = window;
        return;
    }
    if (!pendingDialog) return;
    int subclass = 1;
    SendMessageA(pendingDialog, C3DM_QUERYSUBCLASS, 0, reinterpret_cast<LPARAM>(&subclass));
    if (subclass && create->hwndParent == pendingDialog) InstallLookProc(pendingDialog, DialogLookProc);
    pendingDialog = nullptr;
}

}  // namespace

LRESULT CALLBACK LookCbtHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const auto* cbt = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        OnWindowCreated(reinterpret_cast<HWND>(wParam), cbt->lpcs);
    }
    const HookEntry* entry = FindHookOfThread(GetCurrentThreadId());
    if (!entry) return 0;
    return CallNextHookEx(entry->hook, code, wParam, lParam);
}

}  // namespace look3d
