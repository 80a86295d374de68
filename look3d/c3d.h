// Three-dimensional control look: public entry points.
#pragma once

#include <windows.h>

// Private messages a window may answer to refuse the look (lParam points to an
// int preset to 1; set it to 0 to refuse).
constexpr UINT C3DM_QUERYFRAME = 4591;
constexpr UINT C3DM_QUERYSUBCLASS = 4592;

// Class mask bits of C3dSubclassChildren and C3dSubclassDialog.
constexpr WORD LOOK_BUTTON = 0x0001;
constexpr WORD LOOK_LISTBOX = 0x0002;
constexpr WORD LOOK_EDIT = 0x0004;
constexpr WORD LOOK_COMBOBOX = 0x0008;
constexpr WORD LOOK_STATICTEXT = 0x0010;
constexpr WORD LOOK_STATICFRAME = 0x0020;
constexpr WORD LOOK_ALL = 0xFFFF;

BOOL C3dAttach(HINSTANCE instance);
BOOL C3dDetach(HINSTANCE instance);
BOOL C3dHookThread(HINSTANCE instance);
BOOL C3dIsActive();
WORD C3dVersion();
BOOL C3dRefreshColors();
void C3dRefreshSettings();
BOOL C3dReservedA(DWORD, DWORD);
WORD C3dReservedB(DWORD, DWORD, DWORD);

BOOL C3dSubclassControl(HWND window);
BOOL C3dSubclassChildren(HWND parent, WORD classMask);
BOOL C3dSubclassDialog(HWND dialog, WORD classMask);
HBRUSH C3dControlColor(UINT message, HDC dc, HWND control);
