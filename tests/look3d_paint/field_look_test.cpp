// Fields of edits, list boxes and combo boxes: the sunken rings drawn in the
// parent around the control, the scroll-bar lines, the combo-box children,
// the caret, and the invalidation that keeps no stale edge behind, by the
// Windows version the run reports.
#include "tests/look3d_paint/paint_fixture.h"

using namespace look3d;

namespace {

using FieldLook = PaintTest;

// A window's rectangle in the dialog's client coordinates.
RECT RectInDialog(HWND window, HWND dialog)
{
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Checks the pixels of the flagged sides of r, corners left out: top and left
// in one colour, right and bottom in the other.
void ExpectSides(const Picture& picture, const RECT& r, COLORREF topLeft, COLORREF bottomRight, WORD sides,
                 const char* what)
{
    int wrong = 0;
    auto expect = [&](int x, int y, COLORREF colour, const char* side) {
        if (picture.At(x, y) != colour && ++wrong <= 3)
            ADD_FAILURE() << what << ", " << side << " side at " << x << "," << y << ": " << std::hex
                          << picture.At(x, y) << " not " << colour;
    };
    for (int x = r.left + 1; x < r.right - 1; ++x) {
        if (sides & SIDE_TOP) expect(x, r.top, topLeft, "top");
        if (sides & SIDE_BOTTOM) expect(x, r.bottom - 1, bottomRight, "bottom");
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        if (sides & SIDE_LEFT) expect(r.left, y, topLeft, "left");
        if (sides & SIDE_RIGHT) expect(r.right - 1, y, bottomRight, "right");
    }
    EXPECT_EQ(wrong, 0) << what;
}

RECT Grown(RECT r, int by)
{
    InflateRect(&r, by, by);
    return r;
}

TEST_F(FieldLook, EditSitsInTwoSunkenRings)
{
    HWND edit = Add("Edit", "Text", WS_BORDER, {50, 50, 150, 72});
    ApplyLook();
    const RECT r = RectInDialog(edit, dialog_);
    ASSERT_EQ(Describe(r), Describe(RECT{50, 50, 150, 72}));
    const Picture picture(dialog_);
    ExpectSides(picture, r, kFrame, kFace, SIDE_ALL, "inner ring");
    ExpectSides(picture, Grown(r, 1), kShadow, Hilite(), SIDE_ALL, "outer ring");
    // Corners: the top-left one keeps the first colour, the others the second.
    EXPECT_EQ(picture.At(r.left, r.top), kFrame);
    EXPECT_EQ(picture.At(r.right - 1, r.top), kFace);
    EXPECT_EQ(picture.At(r.left, r.bottom - 1), kFace);
    EXPECT_EQ(picture.At(r.left - 1, r.top - 1), kShadow);
    EXPECT_EQ(picture.At(r.right, r.top - 1), Hilite());
    EXPECT_EQ(picture.At(r.left - 1, r.bottom), Hilite());
    EXPECT_EQ(picture.At(r.right, r.bottom), Hilite());
    EXPECT_EQ(picture.At(r.left - 2, r.top + 5), kFace) << "nothing beyond the outer ring";
    EXPECT_EQ(picture.At(r.right + 1, r.top + 5), kFace);
}

TEST_F(FieldLook, VerticalScrollBarLeavesTheRightSideToALightColumnAndAFrameRow)
{
    HWND edit = Add("Edit", "", WS_BORDER | WS_VSCROLL | ES_MULTILINE, {50, 50, 200, 120});
    ApplyLook();
    const RECT r = RectInDialog(edit, dialog_);
    const int cxv = GetSystemMetrics(SM_CXVSCROLL);
    const Picture picture(dialog_);
    ExpectSides(picture, r, kFrame, kFace, SIDE_LEFT | SIDE_TOP, "inner ring");
    ExpectSides(picture, Grown(r, 1), kShadow, Hilite(), SIDE_LEFT | SIDE_TOP | SIDE_BOTTOM, "outer ring");
    // No right side: the top rows run on to the corner in their own colour.
    EXPECT_EQ(picture.At(r.right - 1, r.top), kFrame);
    EXPECT_EQ(picture.At(r.right, r.top - 1), kShadow);
    // The light column one pixel right of the window.
    for (int y = r.top; y < r.bottom; ++y) EXPECT_EQ(picture.At(r.right, y), Hilite()) << y;
    // The frame row under the scroll bar, SM_CXVSCROLL wide, and the face row before it.
    for (int x = r.right - cxv; x < r.right; ++x) EXPECT_EQ(picture.At(x, r.bottom - 1), kFrame) << x;
    EXPECT_EQ(picture.At(r.right - cxv - 1, r.bottom - 1), kFace);
}

TEST_F(FieldLook, HorizontalScrollBarLeavesTheBottomToALightRowAndAFrameColumn)
{
    HWND list = Add("ListBox", "", WS_BORDER | WS_HSCROLL | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT,
                    {50, 50, 200, 120});
    ApplyLook();
    ASSERT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
    const RECT r = RectInDialog(list, dialog_);
    const int cxh = GetSystemMetrics(SM_CXHSCROLL);
    const Picture picture(dialog_);
    ExpectSides(picture, r, kFrame, kFace, SIDE_LEFT | SIDE_TOP, "inner ring");
    ExpectSides(picture, Grown(r, 1), kShadow, Hilite(), SIDE_LEFT | SIDE_TOP | SIDE_RIGHT, "outer ring");
    EXPECT_EQ(picture.At(r.left, r.bottom - 1), kFrame);
    EXPECT_EQ(picture.At(r.left - 1, r.bottom), kShadow);
    for (int x = r.left; x < r.right; ++x) EXPECT_EQ(picture.At(x, r.bottom), Hilite()) << x;
    for (int y = r.bottom - cxh; y < r.bottom; ++y) EXPECT_EQ(picture.At(r.right - 1, y), kFrame) << y;
    EXPECT_EQ(picture.At(r.right - 1, r.bottom - cxh - 1), kFace);
}

TEST_F(FieldLook, DropDownListGetsFrameLinesRightAndBelowItsButton)
{
    HWND combo = Add("ComboBox", "", CBS_DROPDOWNLIST, {50, 50, 200, 150});
    ApplyLook();
    const RECT r = RectInDialog(combo, dialog_);
    const int cxv = GetSystemMetrics(SM_CXVSCROLL);
    const Picture picture(dialog_);
    ExpectSides(picture, r, kFrame, kFace, SIDE_LEFT | SIDE_TOP, "inner ring");
    ExpectSides(picture, Grown(r, 1), kShadow, Hilite(), SIDE_ALL, "outer ring");
    for (int y = r.top; y < r.bottom; ++y) EXPECT_EQ(picture.At(r.right - 1, y), kFrame) << y;
    for (int x = r.right - cxv; x < r.right; ++x) EXPECT_EQ(picture.At(x, r.bottom - 1), kFrame) << x;
    for (int x = r.left + 1; x < r.right - cxv; ++x) EXPECT_EQ(picture.At(x, r.bottom - 1), kFace) << x;
}

TEST_F(FieldLook, SimpleComboFramesItsChildrenInTheDialog)
{
    HWND combo = Add("ComboBox", "", CBS_SIMPLE, {50, 50, 200, 150});
    ApplyLook();
    HWND list = GetDlgItem(combo, COMBO_LIST_ID), edit = GetDlgItem(combo, COMBO_EDIT_ID);
    ASSERT_NE(list, nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(LookProperty(combo) != nullptr, true);
    const RECT l = RectInDialog(list, dialog_), e = RectInDialog(edit, dialog_);
    const Picture picture(dialog_);
    // The edit: left, top and right.
    ExpectSides(picture, e, kFrame, kFace, SIDE_LEFT | SIDE_TOP | SIDE_RIGHT, "edit inner ring");
    ExpectSides(picture, Grown(e, 1), kShadow, Hilite(), SIDE_LEFT | SIDE_TOP | SIDE_RIGHT, "edit outer ring");
    // The list: one row lower, without a top.
    const RECT lowered{l.left, l.top + 1, l.right, l.bottom};
    ExpectSides(picture, lowered, kFrame, kFace, SIDE_LEFT | SIDE_RIGHT | SIDE_BOTTOM, "list inner ring");
    ExpectSides(picture, Grown(lowered, 1), kShadow, Hilite(), SIDE_LEFT | SIDE_RIGHT | SIDE_BOTTOM,
                "list outer ring");

    // The edit's field stays within its outer ring, also where the list
    // beneath is the wider of the two.
    RECT combined;
    UnionRect(&combined, &l, &e);
    InflateRect(&combined, 8, 8);
    Mark(dialog_, combined);
    PaintControlFrame(edit, 1, LOOKROW_EDIT);
    const Picture marked(dialog_);
    const RECT field = Grown(e, 1);
    for (int y = combined.top; y < combined.bottom; ++y)
        for (int x = combined.left; x < combined.right; ++x) {
            const POINT p{x, y};
            if (!PtInRect(&field, p)) {
                ASSERT_EQ(marked.At(x, y), kMarker) << x << "," << y;
            }
        }
}

TEST_F(FieldLook, DropDownComboFramesItsEditInTheDialog)
{
    HWND combo = Add("ComboBox", "", CBS_DROPDOWN, {50, 50, 200, 150});
    ApplyLook();
    HWND edit = GetDlgItem(combo, COMBO_EDIT_ID);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(LookProperty(combo), nullptr) << "the combo box keeps its own procedure";
    const RECT e = RectInDialog(edit, dialog_);
    const Picture picture(dialog_);
    ExpectSides(picture, e, kFrame, kFace, SIDE_ALL, "inner ring");
    ExpectSides(picture, Grown(e, 1), kShadow, Hilite(), SIDE_ALL, "outer ring");
}

TEST_F(FieldLook, CaretIsShownAgainAfterTheField)
{
    HWND edit = Add("Edit", "", WS_BORDER, {50, 50, 150, 72});
    ApplyLook();
    // A long blink keeps the caret in the state the last Show or Hide left.
    struct BlinkGuard {
        UINT saved = GetCaretBlinkTime();
        ~BlinkGuard() { SetCaretBlinkTime(saved); }
    } blink;
    SetCaretBlinkTime(60000);
    SetFocus(edit);
    PumpMessages();
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    MapWindowPoints(edit, dialog_, &caret, 1);
    const COLORREF shown = Picture(dialog_).At(caret.x, caret.y + 2);
    ASSERT_NE(shown, kWindow) << "the caret shows before";
    for (int i = 0; i < 3; ++i) RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(Picture(dialog_).At(caret.x, caret.y + 2), shown);
    HideCaret(edit);
    EXPECT_EQ(Picture(dialog_).At(caret.x, caret.y + 2), kWindow) << "one hide is enough: the count is balanced";
    ShowCaret(edit);
}

// Invalidation in the parent ahead of a change, for a control at {50, 50,
// 150, 72} whose field reaches {49, 49, 151, 73}.
struct ChangeCase {
    const char* what;
    UINT message;
    WPARAM shown;  // WM_SHOWWINDOW
    UINT flags;    // WM_WINDOWPOSCHANGING
    int x, y, cx, cy;
    DWORD style;
    RECT below030A, from030A;
};

const ChangeCase kChanges[] = {
    {"hide", WM_SHOWWINDOW, FALSE, 0, 0, 0, 0, 0, 0, {49, 49, 151, 73}, {}},
    {"show", WM_SHOWWINDOW, TRUE, 0, 0, 0, 0, 0, 0, {}, {}},
    {"hide with scroll bar", WM_SHOWWINDOW, FALSE, 0, 0, 0, 0, 0, WS_VSCROLL, {49, 49, 152, 73}, {}},
    {"move", WM_WINDOWPOSCHANGING, 0, SWP_NOSIZE | SWP_NOZORDER, 60, 90, 0, 0, 0, {}, {49, 49, 151, 73}},
    {"lower at the same place", WM_WINDOWPOSCHANGING, 0, SWP_NOMOVE | SWP_NOZORDER, 0, 0, 100, 12, 0, {},
     {49, 62, 151, 73}},
    {"same size at the same place", WM_WINDOWPOSCHANGING, 0, SWP_NOMOVE, 0, 0, 100, 22, 0, {}, {49, 72, 151, 73}},
    {"lower and narrower", WM_WINDOWPOSCHANGING, 0, SWP_NOMOVE, 0, 0, 90, 12, 0, {}, {49, 49, 151, 73}},
    {"higher", WM_WINDOWPOSCHANGING, 0, SWP_NOMOVE, 0, 0, 100, 30, 0, {}, {49, 49, 151, 73}},
    {"lower while moving", WM_WINDOWPOSCHANGING, 0, 0, 50, 50, 100, 12, 0, {}, {49, 49, 151, 73}},
    {"hide by position", WM_WINDOWPOSCHANGING, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE, 0, 0, 0, 0, WS_VSCROLL,
     {}, {49, 49, 152, 73}},
};

TEST_F(FieldLook, FieldAreaIsInvalidatedAheadOfChangesByVersion)
{
    ASSERT_EQ(winVersion, RunVersion());
    for (const char* className : {"Edit", "ListBox"}) {
        for (const ChangeCase& c : kChanges) {
            SCOPED_TRACE(std::string(className) + ": " + c.what);
            // Scroll bars that stay when there is nothing to scroll.
            const bool list = className[0] == 'L';
            const DWORD own = list ? LBS_NOINTEGRALHEIGHT | LBS_DISABLENOSCROLL : (c.style ? ES_MULTILINE : 0);
            HWND control = Add(className, "", WS_BORDER | own | c.style, {50, 50, 150, 72});
            ApplyLook();
            ASSERT_EQ(GetWindowLongA(control, GWL_STYLE) & WS_VSCROLL, static_cast<LONG>(c.style));
            ValidateAll();
            WINDOWPOS pos{control, nullptr, c.x, c.y, c.cx, c.cy, c.flags};
            const LPARAM lParam = c.message == WM_WINDOWPOSCHANGING ? reinterpret_cast<LPARAM>(&pos) : 0;
            SendMessageA(control, c.message, c.shown, lParam);
            const RECT expected = winVersion < 0x030A ? c.below030A : c.from030A;
            EXPECT_EQ(Describe(PendingIn(dialog_)), Describe(expected));
            DestroyWindow(control);
        }
    }
}

TEST_F(FieldLook, InvisibleControlInvalidatesNothing)
{
    HWND edit = Add("Edit", "", WS_BORDER, {50, 50, 150, 72});
    ApplyLook();
    ShowWindow(edit, SW_HIDE);
    PumpMessages();
    ValidateAll();
    WINDOWPOS pos{edit, nullptr, 60, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW};
    SendMessageA(edit, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
    SendMessageA(edit, WM_SHOWWINDOW, FALSE, 0);
    EXPECT_TRUE(IsEmpty(PendingIn(dialog_)));
    EXPECT_TRUE(IsEmpty(PendingIn(edit)));
}

TEST_F(FieldLook, ListShrinkingBelowVersion030AInvalidatesTheBandBeneathItsNewBottom)
{
    HWND list = Add("ListBox", "", WS_BORDER | LBS_NOINTEGRALHEIGHT, {50, 50, 200, 120});
    ApplyLook();
    ValidateAll();
    // The rectangle the system passes for a child: the new window rectangle in
    // the parent's client coordinates, 10 rows lower.
    RECT proposed{50, 50, 200, 110};
    SendMessageA(list, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(Describe(proposed), Describe(RECT{51, 51, 199, 109})) << "the client area the list computed";
    const RECT band = winVersion < 0x030A ? RECT{49, 111, 201, 121} : RECT{};
    EXPECT_EQ(Describe(PendingIn(dialog_)), Describe(band));

    // The same size invalidates nothing.
    ValidateAll();
    RECT same{50, 50, 200, 120};
    SendMessageA(list, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&same));
    EXPECT_TRUE(IsEmpty(PendingIn(dialog_)));
}

TEST_F(FieldLook, ListResizedBySetWindowPosLeavesNoStaleEdgeBelow)
{
    HWND list = Add("ListBox", "", WS_BORDER | LBS_NOINTEGRALHEIGHT, {50, 50, 200, 120});
    ApplyLook();
    SetWindowPos(list, nullptr, 0, 0, 150, 60, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    const Picture picture(dialog_);
    for (int y = 111; y <= 120; ++y)
        for (int x = 49; x <= 200; ++x) ASSERT_EQ(picture.At(x, y), kFace) << x << "," << y;
    ExpectSides(picture, {49, 49, 201, 111}, kShadow, Hilite(), SIDE_ALL, "outer ring at the new size");
}

TEST_F(FieldLook, MovedHiddenAndShrunkControlsLeaveNoStaleEdges)
{
    HWND edit = Add("Edit", "", WS_BORDER, {50, 50, 150, 72}, 101);
    HWND list = Add("ListBox", "", WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL | LBS_NOINTEGRALHEIGHT,
                    {200, 50, 300, 120}, 102);
    HWND tall = Add("Edit", "", WS_BORDER, {50, 150, 150, 190}, 103);
    ApplyLook();
    ShowWindow(list, SW_HIDE);
    if (winVersion >= 0x030A) {
        SetWindowPos(edit, nullptr, 50, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SetWindowPos(tall, nullptr, 0, 0, 100, 20, SWP_NOMOVE | SWP_NOZORDER);
    }
    PumpMessages();
    const Picture picture(dialog_);
    // Where the list and its light column were: the dialog's face.
    for (int y = 49; y <= 120; ++y)
        for (int x = 199; x <= 301; ++x) ASSERT_EQ(picture.At(x, y), kFace) << x << "," << y;
    if (winVersion < 0x030A) return;
    for (int y = 49; y <= 72; ++y)
        for (int x = 49; x <= 150; ++x) ASSERT_EQ(picture.At(x, y), kFace) << x << "," << y;
    ExpectSides(picture, {49, 99, 151, 123}, kShadow, Hilite(), SIDE_ALL, "moved edit");
    for (int y = 171; y <= 190; ++y)
        for (int x = 49; x <= 150; ++x) ASSERT_EQ(picture.At(x, y), kFace) << x << "," << y;
    ExpectSides(picture, {49, 149, 151, 171}, kShadow, Hilite(), SIDE_ALL, "shrunk edit");
}

}  // namespace
