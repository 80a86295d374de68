// Look of buttons. The system's button procedure keeps the state, keyboard and
// mouse handling; around every message that would make it paint, the look
// hides the button from it and paints the parts that changed itself.
#include "look3d/control_paint.h"
#include "look3d/edges.h"
#include "look3d/gdi_guards.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

#include <algorithm>
#include <initializer_list>

namespace look3d {

namespace {

constexpr UINT kCheckStateBits = 0x3;
constexpr int kGroupLabelIndent = 4;
constexpr int kPressedLabelMargin = 3;

int ButtonType(HWND window)
{
    return GetWindowLongA(window, GWL_STYLE) & 0x1F;
}

UINT ButtonState(HWND window)
{
    return static_cast<UINT>(SendMessageA(window, BM_GETSTATE, 0, 0));
}

bool IsVisibleStyle(HWND window)
{
    return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

// Top-left pixel in bmpChecks of the cell that shows the state.
POINT CheckCell(int type, UINT state, bool enabled)
{
    const int checked = (state & kCheckStateBits) != 0;
    const int pushed = (state & BST_PUSHED) != 0;
    int row = 0;
    if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
        row = 1;
    else if ((type == BS_3STATE || type == BS_AUTO3STATE) && (state & kCheckStateBits) == BST_INDETERMINATE)
        row = 2;
    // A disabled button takes no input, so a pushed bit sent to it does not
    // show: it keeps the disabled cells.
    const int column = enabled ? 2 * pushed + checked : 2 + 2 * checked;
    return {column * CHECK_CELL_WIDTH, row * CHECK_CELL_HEIGHT};
}

void PaintCheckCell(HDC dc, const RECT& client, POINT cell)
{
    // bmpChecks is compatible with the screen, and so is this context.
    MemoryDC cells(nullptr);
    if (!cells) return;
    SelectGuard bitmap(cells, bmpChecks);
    if (!bitmap) return;
    const int top = client.top + (client.bottom - client.top - CHECK_CELL_HEIGHT) / 2;
    BitBlt(dc, client.left, top, CHECK_CELL_WIDTH, CHECK_CELL_HEIGHT, cells, cell.x, cell.y, SRCCOPY);
}

void PaintCheckLabel(HDC dc, const RECT& client, const char* label, int length, bool enabled)
{
    RECT r = client;
    r.left += CHECK_LABEL_INDENT;
    TextColorGuard text(dc, enabled ? GetTextColor(dc) : lookColors[clrGrayText]);
    DrawTextA(dc, label, length, &r, DT_SINGLELINE | DT_VCENTER);
}

// DrawFocusRect inverts: drawn twice, the rectangle is gone again.
void ToggleCheckFocus(HDC dc, const RECT& client, const char* label)
{
    int cx, cy;
    MeasureLabel(dc, label, &cx, &cy);
    const int left = client.left + CHECK_LABEL_INDENT;
    const int top = (client.bottom - client.top - cy) / 2;
    RECT focus{left, top, left + cx, top + cy};
    InflateRect(&focus, 1, 1);
    IntersectRect(&focus, &focus, &client);
    DrawFocusRect(dc, &focus);
}

void InvalidateInParent(HWND window, const RECT& band)
{
    HWND parent = GetParent(window);
    POINT corners[2] = {{band.left, band.top}, {band.right, band.bottom}};
    for (POINT& corner : corners) {
        ClientToScreen(window, &corner);
        ScreenToClient(parent, &corner);
    }
    const RECT r{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    InvalidateRect(parent, &r, TRUE);
}

void PaintGroupBox(HWND window, HDC dc, const RECT& client, const char* label, int length, UINT flags,
                   bool enabled)
{
    int cx, cy;
    MeasureLabel(dc, label, &cx, &cy);
    // An empty label still keeps the frame's top line at half a text height.
    if (cy == 0) {
        int unused;
        MeasureLabel(dc, "X", &unused, &cy);
    }
    const int left = client.left + kGroupLabelIndent;
    RECT labelRect{left, client.top, left + cx + kGroupLabelIndent, client.top + cy};
    if (flags & BP_INVALIDATE) {
        // The parent repaints the band and, beneath it, the group box whole.
        InvalidateInParent(window, {labelRect.left, labelRect.top, client.right, labelRect.bottom});
        return;
    }
    RECT frame{client.left, client.top + cy / 2, client.right - 1, client.bottom - 1};
    DrawEdges(dc, frame, clrShadow, clrShadow, SIDE_ALL);
    OffsetRect(&frame, 1, 1);
    DrawEdges(dc, frame, clrHilite, clrHilite, SIDE_ALL);
    // The opaque label background hides the lines behind it.
    TextColorGuard text(dc, enabled ? GetTextColor(dc) : lookColors[clrGrayText]);
    DrawTextA(dc, label, length, &labelRect, DT_SINGLELINE);
}

void PaintButtonInState(HWND window, HDC dc, UINT flags, UINT state);

// Hides the button from the system procedure while it handles the message,
// then paints what the message changed.
LRESULT PaintAround(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT flags)
{
    const UINT before = ButtonState(window);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_VISIBLE)) return CallPrevProc(window, LOOKROW_BUTTON, message, wParam, lParam);

    SetWindowLongA(window, GWL_STYLE, style & ~WS_VISIBLE);
    const LRESULT result = CallPrevProc(window, LOOKROW_BUTTON, message, wParam, lParam);
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_VISIBLE);

    const UINT after = ButtonState(window);
    if ((message == BM_SETCHECK || message == BM_SETSTATE) && after == before) return result;
    WindowDC dc = WindowDC::Client(window);
    if (!dc) return result;
    const UINT changed = after ^ before;
    if (changed & kCheckStateBits) flags |= BP_BOX;
    // What waits for WM_PAINT is painted there, once.
    ExcludeUpdateRgn(dc, window);
    PaintButtonInState(window, dc, (changed & BP_FOCUS) | flags, after);
    return result;
}

// wParam: the window that lost the focus; without one, the button is erased first.
LRESULT OnSetFocus(HWND window, WPARAM wParam, LPARAM lParam)
{
    const UINT flags = wParam ? BP_LABEL | BP_BOX : BP_LABEL | BP_BOX | BP_ERASE;
    return PaintAround(window, WM_SETFOCUS, wParam, lParam, flags);
}

LRESULT OnKillFocus(HWND window, WPARAM wParam, LPARAM lParam)
{
    // An auto radio button let go while pressed is released before the
    // system handles the focus change.
    if (ButtonType(window) == BS_AUTORADIOBUTTON) SendMessageA(window, BM_SETSTATE, FALSE, 0);
    return PaintAround(window, WM_KILLFOCUS, wParam, lParam, 0);
}

LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam)
{
    const UINT flags = IsVisibleStyle(window) && ButtonType(window) == BS_GROUPBOX ? BP_INVALIDATE | BP_LABEL
                                                                                   : BP_ERASE | BP_LABEL | BP_BOX;
    return PaintAround(window, WM_SETTEXT, wParam, lParam, flags);
}

LRESULT OnPaint(HWND window, HDC given)
{
    const UINT state = ButtonState(window);
    UINT flags = (state & BP_FOCUS) | BP_LABEL | BP_BOX;
    // A user button shows an empty face: the look draws nothing on it, and
    // the system procedure never sees its WM_PAINT.
    if (ButtonType(window) == BS_USERBUTTON) flags |= BP_ERASE;
    if (given) {
        SavedDCState lent(given);
        if (IsVisibleStyle(window)) PaintButtonInState(window, given, flags, state);
        return 0;
    }
    PaintDC dc(window);
    if (IsVisibleStyle(window)) PaintButtonInState(window, dc, flags, state);
    return 0;
}

// PaintButton with the state its caller has just read.
void PaintButtonInState(HWND window, HDC dc, UINT flags, UINT state)
{
    const int type = ButtonType(window);
    HWND parent = GetParent(window);
    BkModeGuard mode(dc, OPAQUE);
    RECT client;
    GetClientRect(window, &client);
    SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    // The parent's answer also sets the text and background colours.
    SelectGuard brush(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(parent, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                                                  reinterpret_cast<LPARAM>(window))));
    // A button's context may be its parent's (CS_PARENTDC).
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    if ((flags & BP_ERASE) && type != BS_GROUPBOX) PatFill(dc, client);

    const bool enabled = IsWindowEnabled(window) != FALSE;
    char label[LABEL_BUFFER] = "";
    int length = 0;
    if ((flags & (BP_LABEL | BP_FOCUS)) || type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_GROUPBOX)
        length = GetWindowTextA(window, label, LABEL_BUFFER);

    switch (type) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
        PaintPushButton(window, dc, client, label, length, static_cast<WORD>(type), state & BST_PUSHED);
        break;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_AUTORADIOBUTTON:
        if (flags & BP_BOX) PaintCheckCell(dc, client, CheckCell(type, state, enabled));
        if (flags & BP_LABEL) PaintCheckLabel(dc, client, label, length, enabled);
        if (flags & BP_FOCUS) ToggleCheckFocus(dc, client, label);
        break;
    case BS_GROUPBOX:
        if (flags & (BP_LABEL | BP_BOX)) PaintGroupBox(window, dc, client, label, length, flags, enabled);
        break;
    default:
        break;
    }
}

}  // namespace

void PaintButton(HWND window, HDC dc, UINT flags)
{
    PaintButtonInState(window, dc, flags, ButtonState(window));
}

void PaintPushButton(HWND window, HDC dc, const RECT& client, const char* label, int length, WORD type, UINT pushed)
{
    const bool enabled = IsWindowEnabled(window) != FALSE;
    DrawEdges(dc, client, clrFrame, clrFrame, SIDE_ALL);
    RECT r = client;
    InflateRect(&r, -1, -1);
    if (type == BS_DEFPUSHBUTTON && enabled) {
        DrawEdges(dc, r, clrFrame, clrFrame, SIDE_ALL);
        InflateRect(&r, -1, -1);
    }

    // Cut corners, in the parent's button brush.
    for (const POINT corner : {POINT{client.left, client.top}, POINT{client.right - 1, client.top},
                               POINT{client.left, client.bottom - 1}, POINT{client.right - 1, client.bottom - 1}})
        PatFill(dc, {corner.x, corner.y, corner.x + 1, corner.y + 1});

    const int lit = pushed ? 1 : 2;
    SelectGuard brush(dc, pushed ? brShadow : brHilite);
    PatFill(dc, {r.left, r.top, r.left + lit, r.bottom});
    PatFill(dc, {r.left, r.top, r.right, r.top + lit});
    if (!pushed) {
        // The shadow goes over the highlight where they meet: diagonal corners.
        SelectObject(dc, brShadow);
        --r.right;
        --r.bottom;
        for (int pass = 0; pass < 2; ++pass) {
            if (pass) InflateRect(&r, -1, -1);
            PatFill(dc, {r.left, r.bottom, r.right + 1, r.bottom + 1});
            PatFill(dc, {r.right, r.top, r.right + 1, r.bottom});
        }
    }
    ++r.left;
    ++r.top;
    SelectObject(dc, brFace);
    PatFill(dc, r);

    TextColorGuard text(dc, enabled ? GetTextColor(dc) : lookColors[clrGrayText]);
    int cx, cy;
    MeasureLabel(dc, label, &cx, &cy);
    r.top += (r.bottom - r.top - cy) / 2;
    r.left += (r.right - r.left - cx) / 2;
    r.bottom = std::min(r.top + cy, r.bottom);
    r.right = std::min(r.left + cx, r.right);
    if (pushed) {
        OffsetRect(&r, 1, 1);
        r.right = std::min(r.right, client.right - kPressedLabelMargin);
        r.bottom = std::min(r.bottom, client.bottom - kPressedLabelMargin);
    }
    DrawTextA(dc, label, length, &r, DT_SINGLELINE);
    if (GetFocus() == window) {
        InflateRect(&r, 1, 1);
        IntersectRect(&r, &r, &client);
        DrawFocusRect(dc, &r);
    }
}

LRESULT CALLBACK ButtonLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Once the look has shut down, its brushes and bitmap are gone: the
    // system paints the button again.
    if (!lookActive && message != WM_NCDESTROY) return CallPrevProc(window, LOOKROW_BUTTON, message, wParam, lParam);
    switch (message) {
    case WM_SETFOCUS:
        return OnSetFocus(window, wParam, lParam);
    case WM_KILLFOCUS:
        return OnKillFocus(window, wParam, lParam);
    case WM_ENABLE:
        return PaintAround(window, message, wParam, lParam, BP_LABEL | BP_BOX);
    case WM_SETTEXT:
        return OnSetText(window, wParam, lParam);
    case BM_SETCHECK:
    case BM_SETSTATE:
        return PaintAround(window, message, wParam, lParam, BP_BOX);
    case WM_PAINT:
        return OnPaint(window, reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
        return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_BUTTON);
    default:
        return CallPrevProc(window, LOOKROW_BUTTON, message, wParam, lParam);
    }
}

}  // namespace look3d
