// Control procedures that only pass messages on (painting comes later).
#include "look3d/look_procs.h"
#include "look3d/subclass.h"

namespace look3d {

namespace {

LRESULT PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int row)
{
    if (message == WM_NCDESTROY) return ReleaseLookProc(window, message, wParam, lParam, row);
    return CallPrevProc(window, row, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK ButtonLookProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PassOn(w, m, wp, lp, LOOKROW_BUTTON); }
LRESULT CALLBACK ListLookProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PassOn(w, m, wp, lp, LOOKROW_LISTBOX); }
LRESULT CALLBACK EditLookProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PassOn(w, m, wp, lp, LOOKROW_EDIT); }
LRESULT CALLBACK ComboLookProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PassOn(w, m, wp, lp, LOOKROW_COMBOBOX); }
LRESULT CALLBACK StaticLookProc(HWND w, UINT m, WPARAM wp, LPARAM lp) { return PassOn(w, m, wp, lp, LOOKROW_STATIC); }

}  // namespace look3d
