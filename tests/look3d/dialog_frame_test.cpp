// The dialog look: the three-dimensional frame read from the window's pixels,
// the frame query, WM_NCACTIVATE and the control colours of the dialog.
#include "look3d/look_procs.h"
#include "look3d/subclass.h"
#include "tests/look3d/look_fixture.h"
#include "tests/support/dialog_template.h"

#include <string>
#include <vector>

using namespace look3d;

namespace {

constexpr DWORD kCaptioned = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kUncaptioned = WS_POPUP | WS_VISIBLE | WS_DLGFRAME | DS_MODALFRAME;

// What the dialog procedure answers to the frame query and WM_CTLCOLORBTN.
int frameAnswer = 1;
INT_PTR colourAnswer = 0;

INT_PTR CALLBACK FrameDialogProc(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == C3DM_QUERYFRAME) *reinterpret_cast<int*>(lParam) = frameAnswer;
    if (message == WM_CTLCOLORBTN) return colourAnswer;
    return FALSE;
}

class DialogFrame : public AttachedLookTest {
protected:
    void SetUp() override
    {
        AttachedLookTest::SetUp();
        frameAnswer = 1;
        colourAnswer = 0;
    }

    // A dialog with one button; with `hooked` the look's hook catches it.
    HWND Open(DWORD style, bool hooked)
    {
        if (hooked && hookCount == 0) C3dHookThread(TestInstance());
        if (!hooked) DetachHooks();
        DialogTemplate dialog(style, 20, 20, 120, 60);
        dialog.Add("Button", BS_PUSHBUTTON, 100, 10, 10, 40, 14, "OK");
        HWND hwnd = dialog.Create(FrameDialogProc);
        PumpMessages();
        return hwnd;
    }

    void DetachHooks()
    {
        // Removing the hook keeps the look attached.
        while (hookCount > 0) {
            C3dAttach(TestInstance());
            C3dDetach(hookTable[0].instance);
        }
    }
};

// Colour slot letters as in the pictures of the look: S shadow, F frame,
// h highlight, f face; anything else '?'.
char Letter(COLORREF c)
{
    if (c == kShadow) return 'S';
    if (c == kFrame) return 'F';
    if (c == kHilite) return 'h';
    if (c == kFace) return 'f';
    return '?';
}

struct Frame {
    explicit Frame(HWND hwnd) : window(hwnd), dc(GetWindowDC(hwnd))
    {
        RECT r;
        GetWindowRect(hwnd, &r);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    ~Frame() { ReleaseDC(window, dc); }
    char At(int x, int y) const { return Letter(GetPixel(dc, x, y)); }
    // Pixels of the outer frame ring area, for comparing two frames.
    std::vector<COLORREF> Border() const
    {
        std::vector<COLORREF> pixels;
        for (int i = 0; i < 4; ++i) {
            for (int x = 0; x < width; x += 3) pixels.push_back(GetPixel(dc, x, height - 1 - i));
            for (int y = 0; y < height; y += 3) {
                pixels.push_back(GetPixel(dc, i, y));
                pixels.push_back(GetPixel(dc, width - 1 - i, y));
            }
        }
        return pixels;
    }

    HWND window;
    HDC dc;
    int width = 0, height = 0;
};

TEST_F(DialogFrame, CaptionedDialogGetsTwoRingsFaceBandsAndACaptionRing)
{
    HWND hwnd = Open(kCaptioned, true);
    ASSERT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), DialogLookProc);
    Frame f(hwnd);
    const int w = f.width, h = f.height, cx = cxDlgFrame, cy = cyDlgFrame, topBand = cyDlgFrame - 1;

    // Outer ring: shadow upper left, frame lower right; the top-right and
    // bottom-left corners belong to the later sides.
    EXPECT_EQ(f.At(0, 0), 'S');
    EXPECT_EQ(f.At(w / 2, 0), 'S');
    EXPECT_EQ(f.At(0, h / 2), 'S');
    EXPECT_EQ(f.At(w - 1, 0), 'F');
    EXPECT_EQ(f.At(w - 1, h / 2), 'F');
    EXPECT_EQ(f.At(0, h - 1), 'F');
    EXPECT_EQ(f.At(w / 2, h - 1), 'F');
    // Second ring: highlight upper left, shadow lower right.
    EXPECT_EQ(f.At(1, 1), 'h');
    EXPECT_EQ(f.At(w / 2, 1), 'h');
    EXPECT_EQ(f.At(1, h / 2), 'h');
    EXPECT_EQ(f.At(w - 2, 1), 'S');
    EXPECT_EQ(f.At(w - 2, h / 2), 'S');
    EXPECT_EQ(f.At(w / 2, h - 2), 'S');
    // Face bands.
    for (int i = 0; i < cx; ++i) {
        EXPECT_EQ(f.At(2 + i, h / 2), 'f') << "left band column " << i;
        EXPECT_EQ(f.At(w - 3 - i, h / 2), 'f') << "right band column " << i;
    }
    for (int i = 0; i < topBand; ++i) EXPECT_EQ(f.At(w / 2, 2 + i), 'f') << "top band row " << i;
    for (int i = 0; i < cy; ++i) EXPECT_EQ(f.At(w / 2, h - 3 - i), 'f') << "bottom band row " << i;
    // The caption ring starts right below the top band and is cyCaption high.
    const RECT ring{2 + cx, 2 + topBand, w - 2 - cx, 2 + topBand + cyCaption};
    EXPECT_EQ(f.At(ring.left, ring.top), 'S');
    EXPECT_EQ(f.At(ring.left + 5, ring.top), 'S');
    EXPECT_EQ(f.At(ring.left, ring.top + cyCaption / 2), 'S');
    EXPECT_EQ(f.At(ring.right - 1, ring.top + cyCaption / 2), 'h');
    EXPECT_EQ(f.At(ring.left + 5, ring.bottom - 1), 'h');
    EXPECT_EQ(f.At(ring.right - 1, ring.top), 'h');
    DestroyWindow(hwnd);
}

TEST_F(DialogFrame, DialogWithoutCaptionHasAFullTopBandAndNoCaptionRing)
{
    HWND hwnd = Open(kUncaptioned, true);
    Frame f(hwnd);
    for (int i = 0; i < cyDlgFrame; ++i) EXPECT_EQ(f.At(f.width / 2, 2 + i), 'f') << "top band row " << i;
    EXPECT_EQ(f.At(2 + cxDlgFrame, 2 + cyDlgFrame), 'f') << "no caption ring";
    EXPECT_EQ(f.At(0, 0), 'S');
    EXPECT_EQ(f.At(1, 1), 'h');
    DestroyWindow(hwnd);
}

TEST_F(DialogFrame, RefusingAndUnframedDialogsKeepTheSystemFrame)
{
    const struct {
        const char* name;
        DWORD style;
        int answer;
    } cases[] = {
        {"frame query answered 0", kCaptioned, 0},
        {"no DS_MODALFRAME", kCaptioned & ~DS_MODALFRAME, 1},
    };
    for (const auto& c : cases) {
        frameAnswer = c.answer;
        HWND looked = Open(c.style, true);
        ASSERT_TRUE(LookProperty(looked)) << c.name;
        const std::vector<COLORREF> withLook = Frame(looked).Border();
        DestroyWindow(looked);
        HWND plain = Open(c.style, false);
        ASSERT_FALSE(LookProperty(plain));
        EXPECT_TRUE(Frame(plain).Border() == withLook) << c.name;
        DestroyWindow(plain);
    }
    // And the look's frame does differ from the system's.
    frameAnswer = 1;
    HWND looked = Open(kCaptioned, true);
    const std::vector<COLORREF> withLook = Frame(looked).Border();
    DestroyWindow(looked);
    HWND plain = Open(kCaptioned, false);
    EXPECT_FALSE(Frame(plain).Border() == withLook);
    DestroyWindow(plain);
}

TEST_F(DialogFrame, NcActivateReturnsTheDefaultProceduresResult)
{
    HWND hwnd = Open(kCaptioned, true);
    for (WPARAM active : {FALSE, TRUE}) {
        const LRESULT viaLook = SendMessageA(hwnd, WM_NCACTIVATE, active, 0);
        EXPECT_EQ(viaLook, DefWindowProcA(hwnd, WM_NCACTIVATE, active, 0)) << active;
    }
    DestroyWindow(hwnd);
}

TEST_F(DialogFrame, DialogProcedureMayChooseItsOwnControlBrush)
{
    HWND hwnd = Open(kCaptioned, true);
    HWND button = GetDlgItem(hwnd, 100);
    HDC dc = GetDC(button);
    HBRUSH own = CreateSolidBrush(RGB(1, 2, 3));
    const struct {
        INT_PTR answer;
        HBRUSH expected;
    } cases[] = {
        {reinterpret_cast<INT_PTR>(own), own},
        {1, brFace},
        {0, brFace},
    };
    for (const auto& c : cases) {
        colourAnswer = c.answer;
        const LRESULT brush = SendMessageA(hwnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                           reinterpret_cast<LPARAM>(button));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), c.expected) << c.answer;
    }
    // Edits keep the default colours of the dialog procedure's previous procedure.
    colourAnswer = 0;
    EXPECT_NE(reinterpret_cast<HBRUSH>(SendMessageA(hwnd, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                    reinterpret_cast<LPARAM>(button))),
              brFace);
    ReleaseDC(button, dc);
    DeleteObject(own);
    DestroyWindow(hwnd);
}

}  // namespace
