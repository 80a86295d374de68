// Window procedures that the look installs on dialogs and controls.
#pragma once

#include <windows.h>

namespace look3d {

LRESULT CALLBACK DialogLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ListLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK EditLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ComboLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK StaticLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace look3d
