// Drawing primitives, pixel by pixel in a memory device context.
#include "look3d/edges.h"
#include "look3d/look_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace look3d;

namespace {

constexpr COLORREF kBackground = RGB(1, 2, 3);
constexpr COLORREF kSlotColours[LOOK_COLOR_COUNT] = {
    RGB(255, 250, 240), RGB(170, 180, 190), RGB(90, 80, 70),  RGB(10, 20, 140),
    RGB(250, 240, 160), RGB(130, 0, 60),    RGB(110, 120, 100), RGB(0, 120, 40),
};
// Letters of the pictures below: one per colour slot, '.' untouched.
constexpr char kSlotLetters[] = "hfSTwKGF";

// A 24-bit canvas filled with the background colour.
class Canvas {
public:
    Canvas(int width, int height) : width_(width), height_(height)
    {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, width, height);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
        HBRUSH background = CreateSolidBrush(kBackground);
        RECT all{0, 0, width, height};
        FillRect(dc_, &all, background);
        DeleteObject(background);
    }
    ~Canvas()
    {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

    // The canvas as letters of kSlotLetters, '.' for the background.
    std::vector<std::string> Picture() const
    {
        std::vector<std::string> rows;
        for (int y = 0; y < height_; ++y) {
            std::string row;
            for (int x = 0; x < width_; ++x) {
                const COLORREF c = GetPixel(dc_, x, y);
                char letter = c == kBackground ? '.' : '?';
                for (int slot = 0; slot < LOOK_COLOR_COUNT; ++slot)
                    if (c == kSlotColours[slot]) letter = kSlotLetters[slot];
                row += letter;
            }
            rows.push_back(row);
        }
        return rows;
    }

private:
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

class Edges : public testing::Test {
protected:
    void SetUp() override
    {
        for (int slot = 0; slot < LOOK_COLOR_COUNT; ++slot) lookColors[slot] = kSlotColours[slot];
    }
};

struct EdgeCase {
    const char* name;
    RECT rect;
    WORD a, b, sides;
    std::vector<std::string> picture;
};

TEST_F(Edges, DrawEdgesPaintsTheSidesInOrderTopLeftRightBottom)
{
    // Slot A is shadow (S), slot B highlight (h).
    const EdgeCase cases[] = {
        {"all sides", {0, 0, 4, 3}, clrShadow, clrHilite, SIDE_ALL, {"SSSh", "S..h", "hhhh"}},
        {"top and left", {0, 0, 4, 3}, clrShadow, clrHilite, SIDE_TOP | SIDE_LEFT, {"SSSS", "S...", "S..."}},
        {"right and bottom", {0, 0, 4, 3}, clrShadow, clrHilite, SIDE_RIGHT | SIDE_BOTTOM, {"...h", "...h", "hhhh"}},
        {"top and right", {0, 0, 4, 3}, clrShadow, clrHilite, SIDE_TOP | SIDE_RIGHT, {"SSSh", "...h", "...h"}},
        {"left and bottom", {0, 0, 4, 3}, clrShadow, clrHilite, SIDE_LEFT | SIDE_BOTTOM, {"S...", "S...", "hhhh"}},
        {"short bottom", {0, 0, 10, 5}, clrShadow, clrHilite, SIDE_BOTTOM | SIDE_SHORTBOTTOM,
         {"..........", "..........", "..........", "..........", "hhhhhhhh.."}},
        {"width 1: the right side wins", {1, 0, 2, 3}, clrShadow, clrHilite, SIDE_ALL, {".h.", ".h.", ".h."}},
        {"one colour", {0, 0, 3, 3}, clrFrame, clrFrame, SIDE_ALL, {"FFF", "F.F", "FFF"}},
        {"offset rectangle", {1, 1, 4, 3}, clrFrame, clrFace, SIDE_ALL, {".....", ".FFf.", ".fff.", "....."}},
        {"unknown flag bits are ignored", {0, 0, 2, 2}, clrShadow, clrHilite, 0x0F00 | SIDE_TOP, {"SS", ".."}},
    };
    for (const EdgeCase& c : cases) {
        const int width = static_cast<int>(c.picture[0].size()), height = static_cast<int>(c.picture.size());
        Canvas canvas(width, height);
        SetBkColor(canvas.dc(), RGB(7, 7, 7));
        DrawEdges(canvas.dc(), c.rect, c.a, c.b, c.sides);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.name;
        EXPECT_EQ(GetBkColor(canvas.dc()), RGB(7, 7, 7)) << c.name << ": background colour restored";
    }
}

TEST_F(Edges, DrawRecessPaintsTwoRingsInAndAroundTheRectangle)
{
    const struct {
        const char* name;
        WORD sides;
        std::vector<std::string> picture;
    } cases[] = {
        {"all sides", SIDE_ALL,
         {"..........", ".SSSSSSSh.", ".SFFFFFfh.", ".SF....fh.", ".SF....fh.", ".SF....fh.", ".Sffffffh.",
          ".hhhhhhhh.", ".........."}},
        {"bottom, short outer ring", SIDE_BOTTOM | SIDE_SHORTBOTTOM,
         {"..........", "..........", "..........", "..........", "..........", "..........", "..ffffff..",
          ".hhhhhh...", ".........."}},
        {"no right side (vertical scroll bar)", SIDE_LEFT | SIDE_TOP | SIDE_BOTTOM,
         {"..........", ".SSSSSSSS.", ".SFFFFFF..", ".SF.......", ".SF.......", ".SF.......", ".Sffffff..",
          ".hhhhhhhh.", ".........."}},
    };
    for (const auto& c : cases) {
        Canvas canvas(10, 9);
        DrawRecess(canvas.dc(), {2, 2, 8, 7}, c.sides);
        EXPECT_EQ(canvas.Picture(), c.picture) << c.name;
    }
}

TEST_F(Edges, PatFillAndClipToClient)
{
    Canvas canvas(6, 4);
    HBRUSH brush = CreateSolidBrush(kSlotColours[clrFace]);
    HGDIOBJ old = SelectObject(canvas.dc(), brush);
    PatFill(canvas.dc(), {1, 1, 4, 3});
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{"......", ".fff..", ".fff..", "......"}));

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 2, 3, nullptr, nullptr, nullptr, nullptr);
    ClipToClient(window, canvas.dc());
    PatFill(canvas.dc(), {0, 0, 6, 4});
    EXPECT_EQ(canvas.Picture(), (std::vector<std::string>{"ff....", "ffff..", "ffff..", "......"}));
    DestroyWindow(window);
    SelectObject(canvas.dc(), old);
    DeleteObject(brush);
}

// Width of a text as the context measures it.
int Extent(HDC dc, const std::string& text)
{
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

TEST_F(Edges, MeasureLabelLeavesOutMnemonicMarkers)
{
    const struct {
        BYTE dbcs, prefix;
        std::string label, shown;
    } cases[] = {
        {0, 0, "&Deutsch", "Deutsch"},
        {0, 0, "A&&B", "A&B"},
        {0, 0, "Ende&", "Ende"},
        {0, 0, "&", ""},
        {0, 0, "", ""},
        {0, 0, "KL\x1FMN", "KL\x1FMN"},  // without double-byte support 30 and 31 are text
        {1, 30, "KL\x1FMN", "KLN"},      // 31 goes with the character after it
        {1, 30, "KL\x1EM", "KLM"},       // the prefix goes alone
        {1, 31, "KL\x1EMN", "KLN"},
        {1, 31, "KL\x1FM", "KLM"},
        {1, 30, "KLM\x1F", "KLM"},
        {1, 30, "&W&&X\x1EY", "W&XY"},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& c : cases) {
        dbcsEnabled = c.dbcs;
        mnemonicPrefix = c.prefix;
        int width = -1, height = -1;
        MeasureLabel(dc, c.label.c_str(), &width, &height);
        SIZE expected{};
        GetTextExtentPoint32A(dc, c.shown.c_str(), static_cast<int>(c.shown.size()), &expected);
        EXPECT_EQ(width, expected.cx) << "\"" << c.label << "\" should measure as \"" << c.shown << "\"";
        EXPECT_EQ(height, expected.cy) << c.label;
    }
    dbcsEnabled = 0;
    DeleteDC(dc);
}

TEST_F(Edges, MeasureLabelHandlesLabelsOfAnyLength)
{
    HDC dc = CreateCompatibleDC(nullptr);
    int width = 0, height = 0;
    MeasureLabel(dc, std::string(255, 'W').c_str(), &width, &height);
    EXPECT_EQ(width, Extent(dc, std::string(255, 'W')));
    // Longer labels are measured cut at 255 bytes, never past the buffer.
    MeasureLabel(dc, std::string(4000, 'W').c_str(), &width, &height);
    EXPECT_EQ(width, Extent(dc, std::string(255, 'W')));
    MeasureLabel(dc, ("&" + std::string(600, '&')).c_str(), &width, &height);
    EXPECT_LE(width, Extent(dc, std::string(255, '&')));
    DeleteDC(dc);
}

}  // namespace
