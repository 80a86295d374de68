// Subclassing of windows by the look: the look property, the class table and
// the operations every look window procedure uses.
#pragma once

#include <windows.h>

namespace look3d {

// Rows of the class table; LOOKROW_DIALOG stands for dialogs, which have none.
enum LookRow : int {
    LOOKROW_BUTTON,
    LOOKROW_LISTBOX,
    LOOKROW_EDIT,
    LOOKROW_COMBOBOX,
    LOOKROW_STATIC,
    LOOKROW_COMBOLBOX,
    LOOKROW_DIALOG,
};

using AcceptTest = BOOL (*)(HWND window, LONG style, WORD classMask);

struct LookClassRow {
    char className[20];
    WNDPROC lookProc;
    AcceptTest accept;
    WORD classMask;
};

extern const LookClassRow lookClasses[];
extern HWND pendingDialog;

// The look property of a window: its previous window procedure, or null.
WNDPROC LookProperty(HWND window);

WNDPROC LookupPrevProc(HWND window, int row);
LRESULT ReleaseLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int row);
void InstallLookProc(HWND window, WNDPROC procedure);
BOOL SubclassByClass(HWND window, WORD classMask);

// Passes a message on to the window's previous procedure. Each thread keeps
// the previous procedure of the window it served last, so a run of messages
// for one window costs one property lookup.
LRESULT CallPrevProc(HWND window, int row, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace look3d
