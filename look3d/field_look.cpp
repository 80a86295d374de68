// Look of edits, list boxes and combo boxes. The system paints their inside;
// the look sets them into the dialog's face with a sunken field drawn in the
// parent around them, and clears that field in the parent before they move,
// shrink or hide.
#include "look3d/control_paint.h"
#include "look3d/edges.h"
#include "look3d/gdi_guards.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

namespace look3d {

namespace {

// Below this version the look follows hiding and list-box size changes; from
// it on, every change of a window's position.
constexpr WORD kWinVersionPositions = 0x030A;

LONG StyleOf(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE);
}

bool FollowsPositions()
{
    return winVersion >= kWinVersionPositions;
}

// The window rectangle in the client coordinates of another window.
RECT WindowRectIn(HWND window, HWND other)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, other, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool IsComboChild(HWND window, HWND parent, int withCaret)
{
    if (GetWindowLongA(window, GWL_ID) != COMBO_LIST_ID + withCaret) return false;
    char className[10];
    if (!GetClassNameA(parent, className, sizeof className)) return false;
    return lstrcmpA(className, "ComboBox") == 0;
}

// Lines that join the field to the scroll bars or to a drop-down button.
void PaintScrollCorners(HDC dc, RECT r, LONG style, int row)
{
    if (row == LOOKROW_COMBOBOX && (style & 3) == CBS_DROPDOWNLIST) {
        r.left = r.right - GetSystemMetrics(SM_CXVSCROLL);
        DrawEdges(dc, r, clrFrame, clrFrame, SIDE_RIGHT | SIDE_BOTTOM);
        return;
    }
    if (style & WS_VSCROLL) {
        DrawEdges(dc, {r.left, r.top, r.right + 1, r.bottom}, clrHilite, clrHilite, SIDE_RIGHT);
        DrawEdges(dc, {r.right - GetSystemMetrics(SM_CXVSCROLL), r.top, r.right, r.bottom}, clrFrame, clrFrame,
                  SIDE_BOTTOM);
    }
    if (style & WS_HSCROLL) {
        DrawEdges(dc, {r.left, r.top, r.right, r.bottom + 1}, clrHilite, clrHilite, SIDE_BOTTOM);
        DrawEdges(dc, {r.left, r.bottom - GetSystemMetrics(SM_CXHSCROLL), r.right, r.bottom}, clrFrame, clrFrame,
                  SIDE_RIGHT);
    }
}

// Edits and combo boxes: the system handles the message first.
LRESULT FieldLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, int row)
{
    const LRESULT result = CallPrevProc(window, row, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, MAKEINTATOM(c3dAtom));
        return result;
    }
    if (!lookActive) return result;
    switch (message) {
    case WM_PAINT:
        // A simple combo box is framed through its children.
        if (!(row == LOOKROW_COMBOBOX && (StyleOf(window) & 3) == CBS_SIMPLE)) PaintControlFrame(window, 1, row);
        break;
    case WM_SHOWWINDOW:
        if (!FollowsPositions() && !wParam) InvalidateFrameArea(window, nullptr);
        break;
    case WM_WINDOWPOSCHANGING:
        // The window rectangle is still the old one here.
        if (FollowsPositions()) InvalidateFrameArea(window, reinterpret_cast<const WINDOWPOS*>(lParam));
        break;
    default:
        break;
    }
    return result;
}

LRESULT OnListPaint(HWND window, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallPrevProc(window, LOOKROW_LISTBOX, WM_PAINT, wParam, lParam);
    PaintControlFrame(window, 0, LOOKROW_LISTBOX);
    return result;
}

// A list box that grows shorter (cut to whole lines, say) leaves its old
// bottom edge and field behind on the parent.
LRESULT OnListNcCalcSize(HWND window, WPARAM wParam, LPARAM lParam)
{
    // The rectangle of WM_NCCALCSIZE is in the parent's client coordinates,
    // so the old window rectangle is taken there too.
    HWND parent = GetParent(window);
    const RECT old = WindowRectIn(window, parent);
    const LRESULT result = CallPrevProc(window, LOOKROW_LISTBOX, WM_NCCALCSIZE, wParam, lParam);
    RECT client = *reinterpret_cast<const RECT*>(lParam);
    InflateRect(&client, 2, 1);
    if (client.bottom < old.bottom) {
        const RECT band{client.left, client.bottom + 1, client.right, old.bottom + 1};
        InvalidateRect(parent, &band, TRUE);
    }
    return result;
}

}  // namespace

void PaintControlFrame(HWND window, int withCaret, int row)
{
    const LONG style = StyleOf(window);
    if (!(style & WS_VISIBLE)) return;
    if (withCaret) HideCaret(window);

    HWND parent = GetParent(window);
    RECT r = WindowRectIn(window, parent);
    WORD sides = SIDE_ALL;
    if (style & WS_HSCROLL) sides = SIDE_LEFT | SIDE_TOP | SIDE_RIGHT;
    if (style & WS_VSCROLL) sides &= ~SIDE_RIGHT;

    // A combo box's children are framed in the dialog, around the combo box's
    // own border.
    const bool comboChild = IsComboChild(window, parent, withCaret);
    HWND target = parent;
    if (comboChild) {
        target = GetParent(parent);
        MapWindowPoints(parent, target, reinterpret_cast<POINT*>(&r), 2);
    }
    {
        WindowDC dc = WindowDC::Client(target);
        if (dc) {
            if (comboChild && !withCaret) {
                // The list's field joins the edit's above it.
                ++r.top;
                sides &= ~SIDE_TOP;
            } else if (comboChild && (StyleOf(parent) & 3) == CBS_SIMPLE) {
                sides &= ~SIDE_BOTTOM;
                RECT first{};
                GetWindowRect(GetWindow(parent, GW_CHILD), &first);
                const int width = first.right - first.left;
                // Only where the edit reaches out beyond the list: a list as
                // wide or wider would turn the rectangle over and paint
                // outside the field.
                if (width < r.right - r.left)
                    DrawRecess(dc, {r.left, r.top, r.right - width, r.bottom}, SIDE_BOTTOM | SIDE_SHORTBOTTOM);
            }
            DrawRecess(dc, r, sides);
            PaintScrollCorners(dc, r, style, row);
        }
    }
    if (withCaret) ShowCaret(window);
}

void InvalidateFrameArea(HWND window, const WINDOWPOS* pos)
{
    RECT r;
    GetWindowRect(window, &r);
    const LONG style = StyleOf(window);
    if (!(style & WS_VISIBLE)) return;
    // Shrinking in height at the same place and width: only the part below
    // the new bottom goes stale.
    if (pos && (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) == SWP_NOMOVE && r.right - pos->cx == r.left &&
        r.bottom - r.top >= pos->cy)
        r.top += pos->cy + 1;
    InflateRect(&r, 1, 1);
    HWND parent = GetParent(window);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    if (style & WS_VSCROLL) ++r.right;
    // No erasing: the parent's WM_PAINT covers the band anyway.
    InvalidateRect(parent, &r, FALSE);
}

LRESULT CALLBACK EditLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FieldLookProc(window, message, wParam, lParam, LOOKROW_EDIT);
}

LRESULT CALLBACK ComboLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return FieldLookProc(window, message, wParam, lParam, LOOKROW_COMBOBOX);
}

LRESULT CALLBACK ListLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!lookActive && message != WM_NCDESTROY) return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
        return OnListPaint(window, wParam, lParam);
    case WM_SHOWWINDOW:
        if (!FollowsPositions() && !wParam) InvalidateFrameArea(window, nullptr);
        return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
    case WM_WINDOWPOSCHANGING:
        if (FollowsPositions()) InvalidateFrameArea(window, reinterpret_cast<const WINDOWPOS*>(lParam));
        return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
    case WM_NCDESTROY:
        return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_LISTBOX);
    case WM_NCCALCSIZE:
        if (!FollowsPositions()) return OnListNcCalcSize(window, wParam, lParam);
        return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
    default:
        return CallPrevProc(window, LOOKROW_LISTBOX, message, wParam, lParam);
    }
}

}  // namespace look3d
