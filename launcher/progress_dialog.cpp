// The modeless progress dialog shown while the installer is copied.
#include "launcher/launcher.h"
#include "launcher/launcher_texts.h"

BOOL ShowProgressDialog(BOOL fShow)
{
    if (fShow) {
        if (hwndProgress) return FALSE;
        hwndProgress = CreateDialogParamA(hInst, "PROGRESS", hwndMain, ProgressDlgProc, 0);
        // The copy that follows keeps the message loop from running: paint now,
        // or the dialog would stay blank while it is on the screen.
        if (hwndProgress) UpdateWindow(hwndProgress);
        return hwndProgress != nullptr;
    }
    if (!hwndProgress) return FALSE;
    DestroyWindow(hwndProgress);
    hwndProgress = nullptr;
    return TRUE;
}

INT_PTR CALLBACK ProgressDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG) return FALSE;
    CenterWindow(hwnd);
    SetWindowTextA(hwnd, szAppTitle);
    SetDlgItemTextA(hwnd, IDC_STATUS, MsgPreparing[nLanguage]);
    return TRUE;
}

void CenterWindow(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    const int width = r.right > r.left ? r.right - r.left : r.left - r.right;
    const int height = r.bottom > r.top ? r.bottom - r.top : r.top - r.bottom;
    int x = (cxScreen - width) / 2;
    int y = (cyScreen - height) / 2;
    if (x < 0) x = 0;
    if (y < 0) y = 0;
    MoveWindow(hwnd, x, y, width, height, TRUE);
}
