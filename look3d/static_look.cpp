// Look of static controls: text in the parent's static colours, rectangles
// and frames as one-pixel raised, sunken or etched rings. The system's static
// procedure never paints a subclassed static.
#include "look3d/control_paint.h"
#include "look3d/edges.h"
#include "look3d/gdi_guards.h"
#include "look3d/look_procs.h"
#include "look3d/look_state.h"
#include "look3d/subclass.h"

namespace look3d {

namespace {

constexpr int kStaticTextBuffer = 512;

UINT StaticTextFormat(LONG style)
{
    const UINT type = style & 0x0F;
    UINT format = type == SS_LEFTNOWORDWRAP ? DT_EXPANDTABS | DT_NOCLIP
                                            : type | DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    return format;
}

LRESULT OnEnable(HWND window)
{
    WindowDC dc = WindowDC::Client(window);
    if (dc) {
        ClipToClient(window, dc);
        PaintStatic(window, dc);
    }
    return 0;
}

LRESULT OnPaint(HWND window, HDC given)
{
    if (given) {
        SavedDCState lent(given);
        PaintStatic(window, given);
        return 0;
    }
    PaintDC dc(window);
    ClipToClient(window, dc);
    PaintStatic(window, dc);
    return 0;
}

}  // namespace

void PaintStatic(HWND window, HDC dc)
{
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (!(style & WS_VISIBLE)) return;
    RECT r;
    GetClientRect(window, &r);
    switch (style & 0x0F) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_LEFTNOWORDWRAP: {
        SelectGuard font(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
        BkModeGuard mode(dc, OPAQUE);
        // Also sets the text and background colours. No brush: the context keeps its own.
        SelectGuard brush(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(GetParent(window), WM_CTLCOLORSTATIC,
                                                                      reinterpret_cast<WPARAM>(dc),
                                                                      reinterpret_cast<LPARAM>(window))));
        DrawStaticText(window, dc, r, style);
        break;
    }
    case SS_BLACKRECT:
    case SS_BLACKFRAME:
        DrawEdges(dc, r, clrShadow, clrHilite, SIDE_ALL);
        break;
    case SS_GRAYRECT:
    case SS_GRAYFRAME:
        // Etched: the shadow ring is painted last and wins where they cross.
        ++r.left;
        ++r.top;
        DrawEdges(dc, r, clrHilite, clrHilite, SIDE_ALL);
        OffsetRect(&r, -1, -1);
        DrawEdges(dc, r, clrShadow, clrShadow, SIDE_ALL);
        break;
    case SS_WHITERECT:
    case SS_WHITEFRAME:
        DrawEdges(dc, r, clrHilite, clrShadow, SIDE_ALL);
        break;
    default:
        break;
    }
}

void DrawStaticText(HWND window, HDC dc, const RECT& r, LONG style)
{
    PatFill(dc, r);
    char text[kStaticTextBuffer];
    if (GetWindowTextA(window, text, kStaticTextBuffer) == 0) return;
    const bool disabled = (style & WS_DISABLED) != 0;
    TextColorGuard colour(dc, disabled ? lookColors[clrGrayText] : GetTextColor(dc));
    RECT bounds = r;
    DrawTextA(dc, text, -1, &bounds, StaticTextFormat(style));
}

LRESULT CALLBACK StaticLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!lookActive && message != WM_NCDESTROY) return CallPrevProc(window, LOOKROW_STATIC, message, wParam, lParam);
    switch (message) {
    case WM_ENABLE:
        return OnEnable(window);
    case WM_PAINT:
        return OnPaint(window, reinterpret_cast<HDC>(wParam));
    case WM_NCDESTROY:
        return ReleaseLookProc(window, message, wParam, lParam, LOOKROW_STATIC);
    default:
        return CallPrevProc(window, LOOKROW_STATIC, message, wParam, lParam);
    }
}

}  // namespace look3d
