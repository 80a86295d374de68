// Look of static controls (painting comes with its own change).
#include "look3d/look_procs.h"
#include "look3d/subclass.h"

namespace look3d {

LRESULT CALLBACK StaticLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_STATIC);
    return CallPrevProc(window, LOOKROW_STATIC, message, wParam, lParam);
}

}  // namespace look3d
