// Test bed of the look's control painting: a dialog on the screen with the
// look and distinctive colours in every slot, controls at known places, and
// pictures of what the dialog shows.
#pragma once

#include "look3d/control_paint.h"
#include "look3d/edges.h"
#include "look3d/subclass.h"
#include "tests/look3d/look_fixture.h"

#include <string>
#include <vector>

// Copy of a window's client area as the screen shows it, with the children
// (read through the parent's context, as the look draws the fields there).
class Picture {
public:
    explicit Picture(HWND window);
    COLORREF At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<DWORD> pixels_;
};

// Rows of resources/checkbox_cells.txt, top row first, one letter a pixel.
const std::vector<std::string>& CheckBitmapMap();
// The look colour a letter of the map is recoloured to.
COLORREF MapLetterColour(char letter);

// Fills the rectangle in the window's client area with a colour no slot has,
// so that a test sees which pixels a later painting touched.
constexpr COLORREF kMarker = RGB(255, 0, 255);
void Mark(HWND window, const RECT& r);

// Extent of a text in a window's font.
SIZE TextExtent(HWND window, const char* text);

// What reaches the procedure a window had before the look subclassed it:
// RecordMessages puts a recorder beneath the look, which then passes its
// messages on to the recorder, and the recorder to the system.
struct SeenMessage {
    UINT message;
    WPARAM wParam;
    bool visible;  // WS_VISIBLE in the style while the system handled it
};
void RecordMessages(HWND window);
std::vector<SeenMessage>& SeenMessages();
bool Saw(UINT message);

// The run's Windows version word, from the exe's file name (_nt351, _win31, _win95).
WORD RunVersion();

class PaintTest : public LookTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A child of the dialog at a place in its client area, in the GUI font.
    HWND Add(const char* className, const char* text, DWORD style, const RECT& at, int id = 100);
    // Subclasses the dialog and its controls, and lets everything paint.
    void ApplyLook();
    // The parent's update region as one rectangle, in its client coordinates;
    // empty when nothing waits for WM_PAINT.
    RECT PendingIn(HWND window) const;
    // Validates the dialog and all its children.
    void ValidateAll() const;

    static COLORREF Hilite() { return look3d::lookColors[look3d::clrHilite]; }

    HWND dialog_ = nullptr;
};

// Colour slots by name, for the tables of tests.
COLORREF Slot(look3d::LookColor slot);

inline bool operator==(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}
std::string Describe(const RECT& r);
inline bool IsEmpty(const RECT& r)
{
    return IsRectEmpty(&r) != FALSE;
}
