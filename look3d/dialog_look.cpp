// The look of a dialog window: its three-dimensional frame, the subclassing
// of its controls at WM_INITDIALOG and the colours of its controls.
#include "look3d/c3d.h"
#include "look3d/edges.h"
#include "look3d/gdi_guards.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

namespace look3d {

namespace {

constexpr LONG kFramedDialog = WS_VISIBLE | WS_DLGFRAME | DS_MODALFRAME;

LRESULT PaintDialogFrame(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
    if (!lookActive) return result;

    int wantFrame = 1;
    SendMessageA(window, C3DM_QUERYFRAME, 0, reinterpret_cast<LPARAM>(&wantFrame));
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!wantFrame || (style & kFramedDialog) != kFramedDialog) return result;

    const bool captioned = (style & WS_CAPTION) == WS_CAPTION;
    const int topBand = captioned ? cyDlgFrame - 1 : cyDlgFrame;

    WindowDC dc = WindowDC::Whole(window);
    RECT w;
    GetWindowRect(window, &w);
    RECT r{0, 0, w.right - w.left, w.bottom - w.top};
    DrawEdges(dc, r, clrShadow, clrFrame, SIDE_ALL);
    InflateRect(&r, -1, -1);
    DrawEdges(dc, r, clrHilite, clrShadow, SIDE_ALL);
    InflateRect(&r, -1, -1);

    SelectGuard face(dc, brFace);
    PatFill(dc, {r.left, r.top, r.left + cxDlgFrame, r.bottom});
    PatFill(dc, {r.right - cxDlgFrame, r.top, r.right, r.bottom});
    PatFill(dc, {r.left + cxDlgFrame, r.top, r.right - cxDlgFrame, r.top + topBand});
    if (captioned)
        DrawEdges(dc, {r.left + cxDlgFrame, r.top + topBand, r.right - cxDlgFrame, r.top + topBand + cyCaption},
                  clrShadow, clrHilite, SIDE_ALL);
    PatFill(dc, {r.left + cxDlgFrame, r.bottom - cyDlgFrame, r.right - cxDlgFrame, r.bottom});
    return result;
}

// The dialog procedure may pick its own brush; 0 and 1 leave the choice to
// the look.
LRESULT OnControlColor(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const auto dialogProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, DWLP_DLGPROC));
    if (dialogProc && !IsBadReadPtr(reinterpret_cast<const void*>(dialogProc), 1)) {
        const LRESULT chosen = CallWindowProcA(dialogProc, window, message, wParam, lParam);
        if (chosen != 0 && chosen != 1) return chosen;
    }
    if (HBRUSH brush = C3dControlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)))
        return reinterpret_cast<LRESULT>(brush);
    return CallPrevProc(window, LOOKROW_DIALOG, message, wParam, lParam);
}

LRESULT OnInitDialog(HWND window, WPARAM wParam, LPARAM lParam)
{
    // The dialog procedure sets up its controls first.
    const LRESULT result = CallPrevProc(window, LOOKROW_DIALOG, WM_INITDIALOG, wParam, lParam);
    C3dSubclassChildren(window, LOOK_ALL);
    InvalidateRect(window, nullptr, TRUE);
    return result;
}

}  // namespace

LRESULT CALLBACK DialogLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        return PaintDialogFrame(window, message, wParam, lParam);
    case WM_NCDESTROY:
        return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_DIALOG);
    case WM_INITDIALOG:
        return OnInitDialog(window, wParam, lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnControlColor(window, message, wParam, lParam);
    default:
        return CallPrevProc(window, LOOKROW_DIALOG, message, wParam, lParam);
    }
}

}  // namespace look3d
