// Look of edits, list boxes and combo boxes (painting comes with its own change).
#include "look3d/look_procs.h"
#include "look3d/subclass.h"

namespace look3d {

LRESULT CALLBACK EditLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_EDIT);
    return CallPrevProc(window, LOOKROW_EDIT, message, wParam, lParam);
}

LRESULT CALLBACK ComboLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_COMBOBOX);
    return CallPrevProc(window, LOOKROW_COMBOBOX, message, wParam, lParam);
}

LRESULT CALLBACK ListLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_LISTBOX);
    return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
}

}  // namespace look3d
