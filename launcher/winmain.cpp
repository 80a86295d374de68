// Entry of the setup launcher.
#include "launcher/launcher.h"
#include "look3d/c3d.h"

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    hwndMain = nullptr;
    hwndProgress = nullptr;
    nLanguage = 0;
    fLookActive = C3dAttach(hInstance);
    if (fLookActive) C3dHookThread(hInstance);
    InitCommonControls();

    if (!RegisterMainClass(hInstance) || !CreateMainWindow(hInstance)) {
        if (fLookActive) C3dDetach(hInstance);
        return 0;
    }
    InitEnvironment();
    SetCursor(hcurArrow);
    ShowWindow(hwndMain, SW_HIDE);
    InvalidateRect(hwndMain, nullptr, FALSE);
    UpdateWindow(hwndMain);
    PostMessageA(hwndMain, WM_COMMAND, IDM_PREPARE, 0);

    const int exitCode = RunMessageLoop();
    if (fLookActive) C3dDetach(hInstance);
    return exitCode;
}
