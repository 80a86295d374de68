// Drawing primitives. Edges are opaque empty text output in the context's
// background colour: no pen or brush is made for a one-pixel line.
#include "look3d/edges.h"

#include "look3d/gdi_guards.h"
#include "look3d/look_state.h"

namespace look3d {

namespace {

void FillLine(HDC dc, int left, int top, int right, int bottom)
{
    const RECT line{left, top, right, bottom};
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &line, nullptr, 0, nullptr);
}

}  // namespace

void PatFill(HDC dc, const RECT& r)
{
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
}

void DrawEdges(HDC dc, const RECT& r, WORD a, WORD b, WORD sides)
{
    // Order top, left, right, bottom decides who owns the corners.
    BkColorGuard background(dc, lookColors[a]);
    if (sides & SIDE_TOP) FillLine(dc, r.left, r.top, r.right, r.top + 1);
    if (sides & SIDE_LEFT) FillLine(dc, r.left, r.top, r.left + 1, r.bottom);
    if (a != b) SetBkColor(dc, lookColors[b]);
    if (sides & SIDE_RIGHT) FillLine(dc, r.right - 1, r.top, r.right, r.bottom);
    if (sides & SIDE_BOTTOM)
        FillLine(dc, r.left, r.bottom - 1, (sides & SIDE_SHORTBOTTOM) ? r.right - 2 : r.right, r.bottom);
}

void DrawRecess(HDC dc, const RECT& r, WORD sides)
{
    DrawEdges(dc, r, clrFrame, clrFace, sides & SIDE_ALL);
    const RECT outer{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    DrawEdges(dc, outer, clrShadow, clrHilite, sides);
}

void ClipToClient(HWND window, HDC dc)
{
    RECT client;
    GetClientRect(window, &client);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
}

void MeasureLabel(HDC dc, const char* label, int* width, int* height)
{
    char shown[LABEL_BUFFER];
    int length = 0;
    // Labels longer than the buffer are measured cut at 255 bytes.
    for (const char* p = label; *p && length < LABEL_BUFFER - 1;) {
        const BYTE byte = static_cast<BYTE>(*p);
        const bool dbcsMarker = dbcsEnabled && (byte == 30 || byte == 31);
        if (byte == '&' || (dbcsMarker && byte == mnemonicPrefix)) {
            ++p;
            if (*p) shown[length++] = *p++;
        } else if (dbcsMarker) {
            ++p;
            if (*p) p = CharNextA(p);
        } else {
            shown[length++] = *p++;
        }
    }
    shown[length] = '\0';
    SIZE extent{};
    GetTextExtentPointA(dc, shown, length, &extent);
    *width = extent.cx;
    *height = extent.cy;
}

}  // namespace look3d
