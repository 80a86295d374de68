// Drawing primitives of the look: filled rectangles, one-pixel edges in two
// look colours, the sunken field of framed controls, and label measuring.
#pragma once

#include <windows.h>

namespace look3d {

constexpr WORD SIDE_LEFT = 0x0001;
constexpr WORD SIDE_TOP = 0x0002;
constexpr WORD SIDE_RIGHT = 0x0004;
constexpr WORD SIDE_BOTTOM = 0x0008;
constexpr WORD SIDE_ALL = 0x000F;
constexpr WORD SIDE_SHORTBOTTOM = 0x1000;  // bottom stops 2 pixels short of the right

constexpr int LABEL_BUFFER = 256;

// Fills the rectangle with the brush selected in the context.
void PatFill(HDC dc, const RECT& r);
// Paints the flagged sides of r: top and left in colour slot a, right and
// bottom in slot b.
void DrawEdges(HDC dc, const RECT& r, WORD a, WORD b, WORD sides);
// Two-ring sunken field: inner ring on r's outermost pixels, outer ring one
// pixel outside.
void DrawRecess(HDC dc, const RECT& r, WORD sides);
void ClipToClient(HWND window, HDC dc);
// Extent of a label as shown, without its mnemonic markers.
void MeasureLabel(HDC dc, const char* label, int* width, int* height);

}  // namespace look3d
