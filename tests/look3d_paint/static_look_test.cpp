// Static controls: text in the formats of their styles and in grey while
// disabled, rectangles and frames as one-pixel rings, and the system's static
// procedure kept out of their painting.
#include "tests/look3d_paint/paint_fixture.h"

using namespace look3d;

namespace {

using StaticLook = PaintTest;

// A text that every format flag changes: an ampersand, a tab, and more words
// than one line holds, with a short last line.
constexpr char kSample[] = "Ein &Text\tmit Tabulator, der in mehrere Zeilen umbrochen wird";
constexpr RECT kTextAt{20, 20, 180, 80};

// What DrawTextA makes of the text in the given format, on the face, in a
// context of the static's size.
std::vector<COLORREF> Expected(HWND control, UINT format)
{
    const int width = kTextAt.right - kTextAt.left, height = kTextAt.bottom - kTextAt.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HGDIOBJ oldFont = SelectObject(memory, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    HBRUSH face = CreateSolidBrush(kFace);
    RECT r{0, 0, width, height};
    FillRect(memory, &r, face);
    SetTextColor(memory, kText);
    SetBkColor(memory, kFace);
    SetBkMode(memory, OPAQUE);
    DrawTextA(memory, kSample, -1, &r, format);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(GetPixel(memory, x, y));
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(face);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::vector<COLORREF> Shown(const Picture& picture, const RECT& r)
{
    std::vector<COLORREF> pixels;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels.push_back(picture.At(x, y));
    return pixels;
}

TEST_F(StaticLook, TextIsDrawnInTheFormatOfItsStyle)
{
    const struct {
        DWORD style;
        UINT format;
    } cases[] = {
        {SS_LEFT, 0x0150},
        {SS_CENTER, 0x0151},
        {SS_RIGHT, 0x0152},
        {SS_LEFTNOWORDWRAP, 0x0140},
        {SS_RIGHT | SS_NOPREFIX, 0x0952},
        {SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0x0940},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.style);
        HWND control = Add("Static", kSample, c.style, kTextAt);
        ApplyLook();
        const std::vector<COLORREF> expected = Expected(control, c.format);
        EXPECT_TRUE(Shown(Picture(dialog_), kTextAt) == expected) << "format " << std::hex << c.format;
        // Each case tells its format apart from every other one.
        for (const auto& other : cases) {
            if (other.format != c.format) {
                EXPECT_FALSE(Expected(control, other.format) == expected) << other.format;
            }
        }
        DestroyWindow(control);
    }
}

TEST_F(StaticLook, DisabledTextIsGreyAndTheTextColourIsRestored)
{
    HWND control = Add("Static", "Gesperrt", SS_LEFT | WS_DISABLED, kTextAt);
    ApplyLook();
    const Picture picture(dialog_);
    int grey = 0, text = 0;
    for (COLORREF pixel : Shown(picture, kTextAt)) {
        grey += pixel == kGrayText;
        text += pixel == kText;
    }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(text, 0);

    HDC screen = GetDC(dialog_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 160, 60);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetTextColor(memory, RGB(1, 2, 3));
    DrawStaticText(control, memory, {0, 0, 160, 60}, GetWindowLongA(control, GWL_STYLE));
    EXPECT_EQ(GetTextColor(memory), RGB(1, 2, 3));
    int drawnGrey = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x) drawnGrey += GetPixel(memory, x, y) == kGrayText;
    EXPECT_GT(drawnGrey, 0);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(dialog_, screen);
}

TEST_F(StaticLook, EmptyTextFillsTheStaticWithTheParentsBrush)
{
    Add("Static", "", SS_LEFT, kTextAt);
    ApplyLook();
    Mark(dialog_, kTextAt);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    for (COLORREF pixel : Shown(Picture(dialog_), kTextAt)) ASSERT_EQ(pixel, kFace);
}

// The rings of a 10 x 10 static, top row first: s shadow, h highlight, and
// '.' what was there before (the inside is not filled).
TEST_F(StaticLook, RectanglesAndFramesAreOnePixelRings)
{
    const char* sunken[] = {"sssssssssh", "s........h", "s........h", "s........h", "s........h",
                            "s........h", "s........h", "s........h", "s........h", "hhhhhhhhhh"};
    const char* etched[] = {"sssssssss.", "shhhhhhhsh", "sh......sh", "sh......sh", "sh......sh",
                            "sh......sh", "sh......sh", "sh......sh", "sssssssssh", ".hhhhhhhhh"};
    const char* raised[] = {"hhhhhhhhhs", "h........s", "h........s", "h........s", "h........s",
                            "h........s", "h........s", "h........s", "h........s", "ssssssssss"};
    const struct {
        DWORD type;
        const char** rows;
    } cases[] = {
        {SS_BLACKRECT, sunken}, {SS_BLACKFRAME, sunken}, {SS_GRAYRECT, etched},
        {SS_GRAYFRAME, etched}, {SS_WHITERECT, raised}, {SS_WHITEFRAME, raised},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const RECT at{30, 30, 40, 40};
        HWND control = Add("Static", "", c.type, at);
        ApplyLook();
        Mark(dialog_, at);
        RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        const Picture picture(dialog_);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const char letter = c.rows[y][x];
                const COLORREF expected = letter == 's' ? kShadow : letter == 'h' ? Hilite() : kMarker;
                EXPECT_EQ(picture.At(at.left + x, at.top + y), expected) << x << "," << y << " '" << letter << "'";
            }
        DestroyWindow(control);
    }
}

TEST_F(StaticLook, EnablingRepaintsAtOnceAndTheSystemNeverPaints)
{
    HWND control = Add("Static", "Umschalten", SS_LEFT, kTextAt);
    RecordMessages(control);
    ApplyLook();
    EXPECT_FALSE(Saw(WM_PAINT)) << "the look paints it from the start";

    SeenMessages().clear();
    EnableWindow(control, FALSE);
    int grey = 0;
    for (COLORREF pixel : Shown(Picture(dialog_), kTextAt)) grey += pixel == kGrayText;
    EXPECT_GT(grey, 0) << "grey before any WM_PAINT";
    EXPECT_TRUE(IsEmpty(PendingIn(control)));
    EXPECT_EQ(SendMessageA(control, WM_ENABLE, FALSE, 0), 0);
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    EXPECT_FALSE(Saw(WM_ENABLE));
    EXPECT_FALSE(Saw(WM_PAINT));
    EXPECT_TRUE(Saw(WM_ERASEBKGND)) << "everything else reaches it";
}

}  // namespace
