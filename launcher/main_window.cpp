// The launcher's hidden main window: it only receives commands. Start-up
// state (screen, cursors, folders) is read here too.
#include "launcher/launcher.h"
#include "launcher/launcher_texts.h"
#include "launcher/path_ops.h"
#include "look3d/gdi_guards.h"

HINSTANCE hInst;
HWND hwndMain;
HWND hwndProgress;
int nLanguage;
BOOL fLookActive;
int cxScreen, cyScreen;
HCURSOR hcurArrow, hcurWait;
char szSourceDir[PATH_BUFFER];
char szTempDir[PATH_BUFFER];

namespace {

const char kMainClass[] = "MainWClass";

}  // namespace

BOOL RegisterMainClass(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.style = CS_BYTEALIGNWINDOW | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, "IDI_LOGO");
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    wc.lpszClassName = kMainClass;
    if (RegisterClassA(&wc)) return TRUE;
    MessageBoxA(hwndMain, "Unable to register class \"MainWClass\".", szAppTitle, MB_OK);
    return FALSE;
}

BOOL CreateMainWindow(HINSTANCE instance)
{
    hInst = instance;
    hwndMain = CreateWindowExA(0, kMainClass, szAppTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    return hwndMain != nullptr;
}

void InitEnvironment()
{
    {
        WindowDC desktop = WindowDC::Client(GetDesktopWindow());
        cxScreen = GetDeviceCaps(desktop, HORZRES);
        cyScreen = GetDeviceCaps(desktop, VERTRES);
    }
    hcurArrow = LoadCursorA(nullptr, IDC_ARROW);
    hcurWait = LoadCursorA(nullptr, IDC_WAIT);

    // A path that does not fit would be cut and name a wrong folder: the
    // folders stay empty then, and the preparation reports it.
    char path[TEXT_BUFFER];
    const DWORD length = GetModuleFileNameA(hInst, path, PLATFORM_LIMIT);
    if (length > 0 && length < PLATFORM_LIMIT) GetPathFolder(path, szSourceDir);

    const DWORD tempLength = GetTempPathA(PLATFORM_LIMIT, szTempDir);
    if (tempLength == 0 || tempLength >= PLATFORM_LIMIT) szTempDir[0] = '\0';
    AppendBackslash(szTempDir);
    SetCurrentDirectoryA(szTempDir);
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0)) {
        if (hwndProgress && IsDialogMessageA(hwndProgress, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        SetCursor(hcurArrow);
        ShowProgressDialog(FALSE);
        DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDM_PREPARE) {
            PrepareInstallation();
            return 0;
        }
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
