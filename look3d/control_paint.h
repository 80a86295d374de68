// Painting of the control looks, shared by their window procedures (and
// reachable by tests, which paint into contexts of their own).
#pragma once

#include <windows.h>

namespace look3d {

// Parts PaintButton paints.
constexpr UINT BP_LABEL = 0x02;
constexpr UINT BP_BOX = 0x04;
constexpr UINT BP_FOCUS = 0x08;  // equals the focus bit of BM_GETSTATE
constexpr UINT BP_ERASE = 0x10;
constexpr UINT BP_INVALIDATE = 0x20;  // group boxes: invalidate the label band instead of painting

// Check-box cells of bmpChecks.
constexpr int CHECK_CELL_WIDTH = 14;
constexpr int CHECK_CELL_HEIGHT = 13;
constexpr int CHECK_LABEL_INDENT = 18;

// Identifiers of a combo box's list and edit children.
constexpr int COMBO_LIST_ID = 1000;
constexpr int COMBO_EDIT_ID = 1001;

void PaintButton(HWND window, HDC dc, UINT flags);
void PaintPushButton(HWND window, HDC dc, const RECT& client, const char* label, int length, WORD type,
                     UINT pushed);

// The sunken field of an edit, list or combo box, drawn in its parent.
void PaintControlFrame(HWND window, int withCaret, int row);
// Invalidates the field in the parent before the control moves, shrinks or
// hides; pos is the coming change, or null.
void InvalidateFrameArea(HWND window, const WINDOWPOS* pos);

void PaintStatic(HWND window, HDC dc);
void DrawStaticText(HWND window, HDC dc, const RECT& r, LONG style);

}  // namespace look3d
