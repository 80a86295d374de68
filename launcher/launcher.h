// The launcher's global state and the operations its modules share.
#pragma once

#include <windows.h>

constexpr int PATH_BUFFER = 260;
constexpr int TEXT_BUFFER = 516;
constexpr int PLATFORM_LIMIT = 240;  // what the platform may write into a buffer

constexpr WPARAM IDM_PREPARE = 100;
constexpr int IDC_STATUS = 350;

extern HINSTANCE hInst;
extern HWND hwndMain;
extern HWND hwndProgress;
extern int nLanguage;
extern BOOL fLookActive;
extern int cxScreen, cyScreen;
extern HCURSOR hcurArrow, hcurWait;
extern char szSourceDir[PATH_BUFFER];
extern char szTempDir[PATH_BUFFER];

BOOL RegisterMainClass(HINSTANCE instance);
BOOL CreateMainWindow(HINSTANCE instance);
void InitEnvironment();
// GetMessage loop of the thread; yields the quit message's code.
int RunMessageLoop();
LRESULT CALLBACK MainWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

BOOL ShowProgressDialog(BOOL fShow);
INT_PTR CALLBACK ProgressDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
void CenterWindow(HWND hwnd);

// The work of IDM_PREPARE: copy the installer into the temporary folder and start it.
void PrepareInstallation();
BOOL CopyInstallFile(const char* source, const char* destination);
