// Button painting: check-box cells, labels and focus rectangles, push buttons
// and group boxes, read back from the screen and compared with the pictures
// the look is meant to draw.
#include "tests/look3d_paint/paint_fixture.h"

#include <algorithm>

using namespace look3d;

namespace {

using ButtonLook = PaintTest;

constexpr RECT kCheckAt{10, 10, 150, 30};  // 20 high: the cell lies at y 13

// Compares a cell of the screen at (x, y) with the map's cell (column, row).
void ExpectCell(const Picture& picture, int x, int y, int column, int row, const char* what)
{
    const auto& map = CheckBitmapMap();
    ASSERT_EQ(map.size(), 39u);
    int wrong = 0;
    for (int dy = 0; dy < CHECK_CELL_HEIGHT; ++dy)
        for (int dx = 0; dx < CHECK_CELL_WIDTH; ++dx) {
            const char letter = map[row * CHECK_CELL_HEIGHT + dy][column * CHECK_CELL_WIDTH + dx];
            if (picture.At(x + dx, y + dy) != MapLetterColour(letter) && ++wrong <= 3)
                ADD_FAILURE() << what << ": pixel " << dx << "," << dy << " of cell (" << column << ", " << row
                              << ") shows " << std::hex << picture.At(x + dx, y + dy) << " not '" << letter << "'";
        }
    EXPECT_EQ(wrong, 0) << what;
}

// Bounding box of the pixels in r that show a colour.
RECT Extent(const Picture& picture, const RECT& r, COLORREF colour)
{
    RECT box{};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            if (picture.At(x, y) != colour) continue;
            const RECT dot{x, y, x + 1, y + 1};
            UnionRect(&box, &box, &dot);
        }
    return box;
}

bool Inside(const RECT& inner, const RECT& outer)
{
    RECT both;
    IntersectRect(&both, &inner, &outer);
    return EqualRect(&both, &inner) != FALSE;
}

TEST_F(ButtonLook, CheckBoxCellsFollowTypeStateAndEnabling)
{
    const struct {
        const char* what;
        DWORD type;
        WPARAM check;
        BOOL pushed;
        BOOL enabled;
        int column, row;
    } cases[] = {
        {"unchecked", BS_CHECKBOX, BST_UNCHECKED, FALSE, TRUE, 0, 0},
        {"checked", BS_AUTOCHECKBOX, BST_CHECKED, FALSE, TRUE, 1, 0},
        {"pushed unchecked", BS_CHECKBOX, BST_UNCHECKED, TRUE, TRUE, 2, 0},
        {"pushed checked", BS_AUTOCHECKBOX, BST_CHECKED, TRUE, TRUE, 3, 0},
        {"disabled unchecked", BS_CHECKBOX, BST_UNCHECKED, FALSE, FALSE, 2, 0},
        {"disabled checked", BS_CHECKBOX, BST_CHECKED, FALSE, FALSE, 4, 0},
        {"three-state checked", BS_3STATE, BST_CHECKED, FALSE, TRUE, 1, 0},
        {"indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, FALSE, TRUE, 1, 2},
        {"pushed indeterminate", BS_AUTO3STATE, BST_INDETERMINATE, TRUE, TRUE, 3, 2},
        {"disabled indeterminate", BS_3STATE, BST_INDETERMINATE, FALSE, FALSE, 4, 2},
        {"radio unchecked", BS_RADIOBUTTON, BST_UNCHECKED, FALSE, TRUE, 0, 1},
        {"radio checked", BS_AUTORADIOBUTTON, BST_CHECKED, FALSE, TRUE, 1, 1},
        {"radio pushed unchecked", BS_RADIOBUTTON, BST_UNCHECKED, TRUE, TRUE, 2, 1},
        {"radio pushed checked", BS_AUTORADIOBUTTON, BST_CHECKED, TRUE, TRUE, 3, 1},
        {"radio disabled checked", BS_RADIOBUTTON, BST_CHECKED, FALSE, FALSE, 4, 1},
        // A pushed bit sent to a disabled button keeps the disabled cells.
        {"disabled pushed checked", BS_CHECKBOX, BST_CHECKED, TRUE, FALSE, 4, 0},
        {"disabled pushed unchecked", BS_RADIOBUTTON, BST_UNCHECKED, TRUE, FALSE, 2, 1},
    };
    HWND buttons[sizeof cases / sizeof cases[0]];
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        const int x = 10 + static_cast<int>(i % 4) * 95, y = 10 + static_cast<int>(i / 4) * 25;
        buttons[i] = Add("Button", "Wahl", cases[i].type, {x, y, x + 90, y + 20}, 200 + static_cast<int>(i));
    }
    ApplyLook();
    for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
        SendMessageA(buttons[i], BM_SETCHECK, cases[i].check, 0);
        SendMessageA(buttons[i], BM_SETSTATE, cases[i].pushed, 0);
        EnableWindow(buttons[i], cases[i].enabled);
    }
    PumpMessages();
    // The state changes painted their cells at once; a full repaint shows the same.
    for (int round = 0; round < 2; ++round) {
        const Picture picture(dialog_);
        for (size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) {
            const int x = 10 + static_cast<int>(i % 4) * 95, y = 10 + static_cast<int>(i / 4) * 25;
            ExpectCell(picture, x, y + 3, cases[i].column, cases[i].row,
                       (std::string(cases[i].what) + (round ? " (repainted)" : " (changed)")).c_str());
        }
        RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        PumpMessages();
    }
}

TEST_F(ButtonLook, CellIsCentredVerticallyWithTheHalfTruncatedTowardZero)
{
    HWND low = Add("Button", "Niedrig", BS_AUTOCHECKBOX, {10, 10, 120, 19});
    HWND high = Add("Button", "Hoch", BS_AUTOCHECKBOX, {10, 40, 120, 60});
    ApplyLook();
    SendMessageA(low, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(high, BM_SETCHECK, BST_CHECKED, 0);
    PumpMessages();
    const Picture picture(dialog_);
    const auto& map = CheckBitmapMap();
    // 9 high: the cell starts at y -2, so the button shows its rows 2 to 10.
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < CHECK_CELL_WIDTH; ++x)
            EXPECT_EQ(picture.At(10 + x, 10 + y), MapLetterColour(map[y + 2][CHECK_CELL_WIDTH + x])) << x << "," << y;
    // 20 high: at y 3, with the face above it.
    ExpectCell(picture, 10, 43, 1, 0, "20 high");
    for (int x = 0; x < CHECK_CELL_WIDTH; ++x) EXPECT_EQ(picture.At(10 + x, 42), kFace) << x;
    (void)high;
}

TEST_F(ButtonLook, LabelStartsAtEighteenAndIsGreyWhileDisabled)
{
    HWND enabled = Add("Button", "Aktiv", BS_AUTOCHECKBOX, {10, 10, 150, 30});
    HWND disabled = Add("Button", "Gesperrt", BS_AUTOCHECKBOX | WS_DISABLED, {10, 40, 150, 60});
    ApplyLook();
    const Picture picture(dialog_);
    const RECT textEnabled = Extent(picture, {10, 10, 150, 30}, kText);
    EXPECT_FALSE(IsEmpty(textEnabled));
    EXPECT_GE(textEnabled.left, 10 + CHECK_LABEL_INDENT);
    RECT grey = Extent(picture, {10, 40, 150, 60}, kGrayText);
    EXPECT_FALSE(IsEmpty(grey));
    EXPECT_GE(grey.left, 10 + CHECK_LABEL_INDENT);
    const RECT black = Extent(picture, {10, 40, 150, 60}, kText);
    EXPECT_TRUE(IsEmpty(black)) << "no label pixel in the enabled text colour";

    // Enabling repaints label and cell.
    EnableWindow(disabled, TRUE);
    const Picture after(dialog_);
    grey = Extent(after, {10, 40, 150, 60}, kGrayText);
    EXPECT_TRUE(IsEmpty(grey));
    ExpectCell(after, 10, 43, 0, 0, "enabled again");
    (void)enabled;
}

TEST_F(ButtonLook, SetCheckRepaintsOnlyTheCellAndAnUnchangedStatePaintsNothing)
{
    HWND box = Add("Button", "Wahl", BS_AUTOCHECKBOX, kCheckAt);
    ApplyLook();
    Mark(dialog_, kCheckAt);
    EXPECT_EQ(SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0), 0);
    const Picture picture(dialog_);
    ExpectCell(picture, 10, 13, 1, 0, "checked");
    int outsideCell = 0;
    for (int y = kCheckAt.top; y < kCheckAt.bottom; ++y)
        for (int x = kCheckAt.left; x < kCheckAt.right; ++x) {
            const bool inCell = x < 10 + CHECK_CELL_WIDTH && y >= 13 && y < 13 + CHECK_CELL_HEIGHT;
            if (!inCell && picture.At(x, y) != kMarker) ++outsideCell;
        }
    EXPECT_EQ(outsideCell, 0) << "pixels painted beside the cell";
    EXPECT_TRUE(IsEmpty(PendingIn(box)));
    EXPECT_TRUE(IsEmpty(PendingIn(dialog_)));

    Mark(dialog_, kCheckAt);
    EXPECT_EQ(SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0), 0);
    const Picture unchanged(dialog_);
    for (int y = kCheckAt.top; y < kCheckAt.bottom; ++y)
        for (int x = kCheckAt.left; x < kCheckAt.right; ++x)
            ASSERT_EQ(unchanged.At(x, y), kMarker) << x << "," << y;
    EXPECT_TRUE(IsEmpty(PendingIn(box)));

    // A part that waits for WM_PAINT is left to it.
    Mark(dialog_, kCheckAt);
    const RECT waiting{0, 0, CHECK_CELL_WIDTH, 20};
    InvalidateRect(box, &waiting, FALSE);
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(Picture(dialog_).At(15, 18), kMarker);
    PumpMessages();
    ExpectCell(Picture(dialog_), 10, 13, 0, 0, "painted by WM_PAINT");
}

TEST_F(ButtonLook, SystemProcedureHandlesStateChangesWithTheButtonHidden)
{
    HWND shown = Add("Button", "Sichtbar", BS_AUTOCHECKBOX, kCheckAt, 101);
    HWND hidden = Add("Button", "Versteckt", BS_AUTOCHECKBOX, {10, 40, 150, 60}, 102);
    ShowWindow(hidden, SW_HIDE);
    RecordMessages(shown);
    ApplyLook();
    SeenMessages().clear();
    SendMessageA(shown, BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(Saw(BM_SETCHECK));
    for (const SeenMessage& m : SeenMessages()) {
        if (m.message == BM_SETCHECK) {
            EXPECT_FALSE(m.visible);
        }
    }
    EXPECT_TRUE(GetWindowLongA(shown, GWL_STYLE) & WS_VISIBLE);
    EXPECT_TRUE(IsWindowVisible(shown));

    // An invisible button is left alone, and stays invisible.
    Mark(dialog_, {10, 40, 150, 60});
    SendMessageA(hidden, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(hidden, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_FALSE(GetWindowLongA(hidden, GWL_STYLE) & WS_VISIBLE);
    PumpMessages();
    EXPECT_EQ(Picture(dialog_).At(15, 50), kMarker);
}

TEST_F(ButtonLook, AutoRadioButtonIsReleasedBeforeTheSystemSeesTheFocusGo)
{
    const struct {
        DWORD type;
        bool released;
    } cases[] = {{BS_AUTORADIOBUTTON, true}, {BS_RADIOBUTTON, false}, {BS_AUTOCHECKBOX, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        HWND other = Add("Edit", "", WS_BORDER, {200, 10, 300, 30}, 101);
        HWND button = Add("Button", "Wahl", c.type, kCheckAt, 102);
        RecordMessages(button);
        ApplyLook();
        SetFocus(button);
        SendMessageA(button, BM_SETSTATE, TRUE, 0);
        SeenMessages().clear();
        SetFocus(other);
        const auto& seen = SeenMessages();
        size_t release = seen.size(), killFocus = seen.size();
        for (size_t i = 0; i < seen.size(); ++i) {
            if (seen[i].message == BM_SETSTATE && seen[i].wParam == FALSE && release == seen.size()) release = i;
            if (seen[i].message == WM_KILLFOCUS && killFocus == seen.size()) killFocus = i;
        }
        ASSERT_LT(killFocus, seen.size());
        if (c.released) {
            EXPECT_LT(release, killFocus);
            EXPECT_FALSE(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
            ExpectCell(Picture(dialog_), 10, 13, 0, 1, "released");
        } else {
            EXPECT_GT(release, killFocus) << "no release of its own before WM_KILLFOCUS";
        }
        DestroyWindow(button);
        DestroyWindow(other);
    }
}

TEST_F(ButtonLook, PaintIntoAGivenContextLeavesItAsItWasAndTheUpdateRegionPending)
{
    HWND box = Add("Button", "Wahl", BS_AUTOCHECKBOX, kCheckAt);
    ApplyLook();
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    ValidateAll();
    InvalidateRect(box, nullptr, FALSE);

    HDC screen = GetDC(dialog_);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 140, 20);
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, 140, 20};
    FillRect(memory, &all, marker);
    HGDIOBJ oldBrush = SelectObject(memory, marker);
    SetTextColor(memory, RGB(1, 2, 3));
    SetBkColor(memory, RGB(4, 5, 6));
    SetBkMode(memory, TRANSPARENT);
    HGDIOBJ font = GetCurrentObject(memory, OBJ_FONT);

    EXPECT_EQ(SendMessageA(box, WM_PAINT, reinterpret_cast<WPARAM>(memory), 0), 0);
    const auto& map = CheckBitmapMap();
    for (int y = 0; y < CHECK_CELL_HEIGHT; ++y)
        for (int x = 0; x < CHECK_CELL_WIDTH; ++x)
            EXPECT_EQ(GetPixel(memory, x, 3 + y), MapLetterColour(map[y][CHECK_CELL_WIDTH + x])) << x << "," << y;
    int label = 0;
    for (int x = CHECK_LABEL_INDENT; x < 140; ++x)
        for (int y = 0; y < 20; ++y) label += GetPixel(memory, x, y) != kMarker;
    EXPECT_GT(label, 0) << "the label is drawn";
    EXPECT_EQ(GetTextColor(memory), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(memory), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(memory), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_BRUSH), marker);
    EXPECT_EQ(GetCurrentObject(memory, OBJ_FONT), font);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(memory, clip), 0) << "no clipping left behind";
    DeleteObject(clip);
    EXPECT_FALSE(IsEmpty(PendingIn(box))) << "no BeginPaint for a given context";

    SelectObject(memory, oldBrush);
    SelectObject(memory, oldBitmap);
    DeleteObject(marker);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(dialog_, screen);
}

TEST_F(ButtonLook, PaintWithoutVisibleStylePaintsNothingAndValidates)
{
    HWND box = Add("Button", "Wahl", BS_AUTOCHECKBOX, kCheckAt);
    ApplyLook();
    Mark(dialog_, kCheckAt);
    InvalidateRect(box, nullptr, FALSE);
    SetWindowLongA(box, GWL_STYLE, GetWindowLongA(box, GWL_STYLE) & ~WS_VISIBLE);
    EXPECT_EQ(SendMessageA(box, WM_PAINT, 0, 0), 0);
    EXPECT_TRUE(IsEmpty(PendingIn(box)));
    EXPECT_EQ(Picture(dialog_).At(15, 18), kMarker);
    EXPECT_EQ(Picture(dialog_).At(40, 20), kMarker);
}

TEST_F(ButtonLook, UserButtonShowsAnEmptyFaceAndTheSystemNeverPaintsIt)
{
    const RECT a{10, 10, 90, 40};
    HWND button = Add("Button", "Benutzer", BS_USERBUTTON, a);
    // Wine turns the obsolete style into a push button when it creates one.
    SetWindowLongA(button, GWL_STYLE, (GetWindowLongA(button, GWL_STYLE) & ~0x1F) | BS_USERBUTTON);
    RecordMessages(button);
    ApplyLook();
    Mark(dialog_, a);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Picture picture(dialog_);
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) ASSERT_EQ(picture.At(x, y), kFace) << x << "," << y;
    EXPECT_FALSE(Saw(WM_PAINT));
}

TEST_F(ButtonLook, AfterTheLookShutsDownTheSystemPaintsAgain)
{
    HWND box = Add("Button", "Wahl", BS_AUTOCHECKBOX, kCheckAt);
    RecordMessages(box);
    ApplyLook();
    ASSERT_FALSE(Saw(WM_PAINT));
    DetachAll();
    ASSERT_FALSE(C3dIsActive());
    SeenMessages().clear();
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_TRUE(Saw(WM_PAINT));
    for (const SeenMessage& m : SeenMessages()) EXPECT_TRUE(m.visible) << "no hiding once the look is off";
    EXPECT_NE(LookProperty(box), nullptr) << "still subclassed";
}

TEST_F(ButtonLook, PushedStateShowsAndLeavesColumnThree)
{
    HWND box = Add("Button", "Wahl", BS_AUTOCHECKBOX, kCheckAt);
    ApplyLook();
    SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(box, BM_SETSTATE, TRUE, 0);
    ExpectCell(Picture(dialog_), 10, 13, 3, 0, "pushed");
    SendMessageA(box, BM_SETSTATE, FALSE, 0);
    ExpectCell(Picture(dialog_), 10, 13, 1, 0, "released");
}

TEST_F(ButtonLook, FocusRectangleComesWithTheFocusAndGoesWithIt)
{
    const char* label = "Fokus";
    HWND other = Add("Edit", "", WS_BORDER, {200, 10, 300, 30}, 101);
    HWND box = Add("Button", label, BS_AUTOCHECKBOX, kCheckAt, 102);
    ApplyLook();
    SetFocus(other);
    PumpMessages();
    const Picture before(dialog_);
    SetFocus(box);
    const Picture focused(dialog_);
    SetFocus(other);
    const Picture after(dialog_);

    // The label's extent grown by one, centred in the 20 rows.
    const SIZE text = TextExtent(box, label);
    const int top = (20 - text.cy) / 2;
    RECT ring{10 + 18 - 1, 10 + top - 1, 10 + 18 + text.cx + 1, 10 + top + text.cy + 1};
    int changedOnRing = 0, changedElsewhere = 0;
    for (int y = kCheckAt.top; y < kCheckAt.bottom; ++y)
        for (int x = kCheckAt.left; x < kCheckAt.right; ++x) {
            const bool onRing = (x == ring.left || x == ring.right - 1 || y == ring.top || y == ring.bottom - 1) &&
                                x >= ring.left && x < ring.right && y >= ring.top && y < ring.bottom;
            if (focused.At(x, y) != before.At(x, y)) ++(onRing ? changedOnRing : changedElsewhere);
            EXPECT_EQ(after.At(x, y), before.At(x, y)) << "left behind at " << x << "," << y;
        }
    EXPECT_GT(changedOnRing, (ring.right - ring.left) / 2) << "dotted ring";
    EXPECT_EQ(changedElsewhere, 0);
}

struct PushCase {
    const char* what;
    DWORD type;
    bool enabled;
    int frameWidth;
};

TEST_F(ButtonLook, PushButtonsHaveFramesCutCornersAndARaisedBevel)
{
    const PushCase cases[] = {
        {"push", BS_PUSHBUTTON, true, 1},
        {"default", BS_DEFPUSHBUTTON, true, 2},
        {"disabled default", BS_DEFPUSHBUTTON, false, 1},
        {"disabled push", BS_PUSHBUTTON, false, 1},
    };
    for (int i = 0; i < 4; ++i) {
        const int x = 10 + i * 90;
        Add("Button", "OK", cases[i].type | (cases[i].enabled ? 0 : WS_DISABLED), {x, 10, x + 80, 40},
                         300 + i);
    }
    ApplyLook();
    const Picture picture(dialog_);
    for (int i = 0; i < 4; ++i) {
        const PushCase& c = cases[i];
        SCOPED_TRACE(c.what);
        const RECT a{10 + i * 90, 10, 10 + i * 90 + 80, 40};
        // Outer frame, without its corners, which show the dialog's face.
        for (int x = a.left + 1; x < a.right - 1; ++x) {
            EXPECT_EQ(picture.At(x, a.top), kFrame) << x;
            EXPECT_EQ(picture.At(x, a.bottom - 1), kFrame) << x;
        }
        for (int y = a.top + 1; y < a.bottom - 1; ++y) {
            EXPECT_EQ(picture.At(a.left, y), kFrame) << y;
            EXPECT_EQ(picture.At(a.right - 1, y), kFrame) << y;
        }
        EXPECT_EQ(picture.At(a.left, a.top), kFace);
        EXPECT_EQ(picture.At(a.right - 1, a.top), kFace);
        EXPECT_EQ(picture.At(a.left, a.bottom - 1), kFace);
        EXPECT_EQ(picture.At(a.right - 1, a.bottom - 1), kFace);
        if (c.frameWidth == 2) {
            EXPECT_EQ(picture.At(a.left + 1, a.top + 1), kFrame);
            EXPECT_EQ(picture.At(a.right - 2, a.bottom - 2), kFrame);
            EXPECT_EQ(picture.At(a.left + 20, a.top + 1), kFrame);
        }
        // R0: inside the frame. Highlight two wide on the left and top,
        // shadow two wide on the right and bottom, meeting on diagonals.
        RECT r0 = a;
        InflateRect(&r0, -c.frameWidth, -c.frameWidth);
        EXPECT_EQ(picture.At(r0.left, r0.top), Hilite());
        EXPECT_EQ(picture.At(r0.left + 1, r0.top + 1), Hilite());
        EXPECT_EQ(picture.At(r0.left + 20, r0.top + 1), Hilite());
        EXPECT_EQ(picture.At(r0.left + 1, r0.top + 10), Hilite());
        EXPECT_EQ(picture.At(r0.right - 1, r0.top + 10), kShadow);
        EXPECT_EQ(picture.At(r0.right - 2, r0.top + 10), kShadow);
        EXPECT_EQ(picture.At(r0.left + 20, r0.bottom - 1), kShadow);
        EXPECT_EQ(picture.At(r0.left + 20, r0.bottom - 2), kShadow);
        // Bottom left: shadow over highlight along the diagonal.
        EXPECT_EQ(picture.At(r0.left, r0.bottom - 1), kShadow);
        EXPECT_EQ(picture.At(r0.left + 1, r0.bottom - 1), kShadow);
        EXPECT_EQ(picture.At(r0.left, r0.bottom - 2), Hilite());
        EXPECT_EQ(picture.At(r0.left + 1, r0.bottom - 2), kShadow);
        EXPECT_EQ(picture.At(r0.left + 1, r0.bottom - 3), Hilite());
        // Top right likewise.
        EXPECT_EQ(picture.At(r0.right - 1, r0.top), kShadow);
        EXPECT_EQ(picture.At(r0.right - 2, r0.top), Hilite());
        EXPECT_EQ(picture.At(r0.right - 2, r0.top + 1), kShadow);
        EXPECT_EQ(picture.At(r0.right - 3, r0.top + 1), Hilite());
        // The face fills the rest, up to two pixels in from the frame.
        EXPECT_EQ(picture.At(r0.left + 2, r0.top + 2), kFace);
        EXPECT_EQ(picture.At(r0.right - 3, r0.bottom - 3), kFace);
        const RECT label = Extent(picture, a, c.enabled ? kText : kGrayText);
        EXPECT_FALSE(IsEmpty(label)) << "label in the text colour of the state";
        const RECT other = Extent(picture, a, c.enabled ? kGrayText : kText);
        EXPECT_TRUE(IsEmpty(other));
    }
}

// Where the label of a push button is drawn: the label's extent centred in
// the face, moved by (1, 1) when pressed and kept 3 pixels from the edges.
RECT ExpectedPushLabel(const RECT& a, SIZE text, bool pushed)
{
    RECT r = a;
    InflateRect(&r, -1, -1);
    RECT face = pushed ? RECT{r.left + 1, r.top + 1, r.right, r.bottom}
                       : RECT{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    RECT label = face;
    label.top += (face.bottom - face.top - text.cy) / 2;
    label.left += (face.right - face.left - text.cx) / 2;
    label.bottom = std::min(label.top + text.cy, face.bottom);
    label.right = std::min(label.left + text.cx, face.right);
    if (pushed) {
        OffsetRect(&label, 1, 1);
        label.right = std::min(label.right, a.right - 3);
        label.bottom = std::min(label.bottom, a.bottom - 3);
    }
    return label;
}

TEST_F(ButtonLook, PressedButtonShowsAOnePixelShadowAndMovesItsLabel)
{
    const RECT a{10, 10, 110, 40};
    HWND button = Add("Button", "Weiter", BS_PUSHBUTTON, a);
    ApplyLook();
    const Picture raised(dialog_);
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    const Picture pressed(dialog_);

    // Shadow one pixel wide on the left and top; face up to the frame on the right and bottom.
    for (int x = a.left + 1; x < a.right - 1; ++x) EXPECT_EQ(pressed.At(x, a.top + 1), kShadow) << x;
    for (int y = a.top + 1; y < a.bottom - 1; ++y) EXPECT_EQ(pressed.At(a.left + 1, y), kShadow) << y;
    for (int y = a.top + 2; y < a.bottom - 1; ++y) EXPECT_EQ(pressed.At(a.right - 2, y), kFace) << y;
    for (int x = a.left + 2; x < a.right - 1; ++x) EXPECT_EQ(pressed.At(x, a.bottom - 2), kFace) << x;
    EXPECT_EQ(pressed.At(a.left + 2, a.top + 2), kFace);

    const SIZE text = TextExtent(button, "Weiter");
    const RECT up = ExpectedPushLabel(a, text, false), down = ExpectedPushLabel(a, text, true);
    const RECT glyphsUp = Extent(raised, a, kText), glyphsDown = Extent(pressed, a, kText);
    ASSERT_FALSE(IsEmpty(glyphsUp));
    EXPECT_TRUE(Inside(glyphsUp, up)) << Describe(glyphsUp) << " in " << Describe(up);
    EXPECT_TRUE(Inside(glyphsDown, down)) << Describe(glyphsDown) << " in " << Describe(down);
    RECT moved = glyphsUp;
    OffsetRect(&moved, down.left - up.left, down.top - up.top);
    EXPECT_EQ(Describe(glyphsDown), Describe(moved));

    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    const Picture released(dialog_);
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) ASSERT_EQ(released.At(x, y), raised.At(x, y)) << x << "," << y;
}

TEST_F(ButtonLook, PressedLabelKeepsThreePixelsFromTheRightAndBottom)
{
    // Far too small for its label.
    const RECT a{10, 10, 40, 24};
    HWND button = Add("Button", "Uebernehmen", BS_PUSHBUTTON, a);
    ApplyLook();
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    const Picture pressed(dialog_);
    const RECT glyphs = Extent(pressed, a, kText);
    ASSERT_FALSE(IsEmpty(glyphs));
    EXPECT_LE(glyphs.right, a.right - 3) << Describe(glyphs);
    EXPECT_LE(glyphs.bottom, a.bottom - 3) << Describe(glyphs);
    const RECT expected = ExpectedPushLabel(a, TextExtent(button, "Uebernehmen"), true);
    EXPECT_TRUE(Inside(glyphs, expected)) << Describe(glyphs) << " in " << Describe(expected);
}

TEST_F(ButtonLook, FocusedPushButtonGetsItsFocusRectangleOnEveryPainting)
{
    const RECT a{10, 10, 110, 40};
    HWND other = Add("Edit", "", WS_BORDER, {200, 10, 300, 30}, 101);
    HWND button = Add("Button", "Weiter", BS_PUSHBUTTON, a, 102);
    ApplyLook();
    SetFocus(other);
    PumpMessages();
    const Picture unfocused(dialog_);
    SetFocus(button);
    PumpMessages();
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Picture focused(dialog_);

    RECT ring = ExpectedPushLabel(a, TextExtent(button, "Weiter"), false);
    InflateRect(&ring, 1, 1);
    int onRing = 0, elsewhere = 0;
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) {
            if (focused.At(x, y) == unfocused.At(x, y)) continue;
            const bool border = x >= ring.left && x < ring.right && y >= ring.top && y < ring.bottom &&
                                (x == ring.left || x == ring.right - 1 || y == ring.top || y == ring.bottom - 1);
            ++(border ? onRing : elsewhere);
        }
    EXPECT_GT(onRing, (ring.right - ring.left) / 2);
    EXPECT_EQ(elsewhere, 0);
    SetFocus(other);
    PumpMessages();
    const Picture again(dialog_);
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) ASSERT_EQ(again.At(x, y), unfocused.At(x, y)) << x << "," << y;
}

TEST_F(ButtonLook, GroupBoxIsAnEtchedFrameAtHalfTheLabelHeight)
{
    const char* label = "Gruppe";
    const RECT a{10, 100, 200, 200};
    HWND group = Add("Button", label, BS_GROUPBOX, a);
    ApplyLook();
    const Picture picture(dialog_);
    const SIZE text = TextExtent(group, label);
    const int line = a.top + text.cy / 2;
    // Shadow ring on {l, line, r - 1, b - 1}, highlight ring one pixel down and right.
    for (int x = a.left; x < a.left + 4; ++x) EXPECT_EQ(picture.At(x, line), kShadow) << x;
    for (int x = a.left + 4; x < a.left + 4 + text.cx; ++x)
        EXPECT_NE(picture.At(x, line), kShadow) << "the label covers " << x;
    for (int x = a.left + 4 + text.cx; x < a.right - 1; ++x) EXPECT_EQ(picture.At(x, line), kShadow) << x;
    for (int x = a.left + 4 + text.cx; x < a.right; ++x) EXPECT_EQ(picture.At(x, line + 1), Hilite()) << x;
    EXPECT_EQ(picture.At(a.right - 1, line), kFace);
    for (int y = line + 2; y < a.bottom - 1; ++y) {
        EXPECT_EQ(picture.At(a.left, y), kShadow) << y;
        EXPECT_EQ(picture.At(a.left + 1, y), Hilite()) << y;
        EXPECT_EQ(picture.At(a.right - 2, y), kShadow) << y;
        EXPECT_EQ(picture.At(a.right - 1, y), Hilite()) << y;
    }
    for (int x = a.left + 2; x < a.right - 2; ++x) {
        EXPECT_EQ(picture.At(x, a.bottom - 2), kShadow) << x;
        EXPECT_EQ(picture.At(x, a.bottom - 1), Hilite()) << x;
    }
    for (int y = a.top; y < line; ++y) EXPECT_EQ(picture.At(a.left, y), kFace) << "above the line " << y;
    const RECT glyphs = Extent(picture, a, kText);
    EXPECT_TRUE(Inside(glyphs, {a.left + 4, a.top, a.left + 4 + text.cx, a.top + text.cy})) << Describe(glyphs);
}

TEST_F(ButtonLook, EmptyGroupLabelTakesTheHeightOfX)
{
    const RECT a{10, 100, 200, 200};
    HWND group = Add("Button", "", BS_GROUPBOX, a);
    ApplyLook();
    const SIZE x = TextExtent(group, "X");
    const Picture picture(dialog_);
    const int line = a.top + x.cy / 2;
    // Nothing covers the line: the label rectangle spans only x 4 to 8.
    for (int col = a.left; col < a.right - 1; ++col) EXPECT_EQ(picture.At(col, line), kShadow) << col;
    EXPECT_EQ(picture.At(a.left + 5, line - 1), kFace);

    ValidateAll();
    SendMessageA(group, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    const RECT band = PendingIn(dialog_);
    EXPECT_EQ(Describe(band), Describe(RECT{a.left + 4, a.top, a.right, a.top + x.cy}));
}

TEST_F(ButtonLook, GroupTextChangeInvalidatesTheLabelBandInTheParentAndPaintsNothing)
{
    const RECT a{10, 100, 200, 200};
    HWND group = Add("Button", "Alt", BS_GROUPBOX, a);
    ApplyLook();
    ValidateAll();
    Mark(dialog_, a);
    EXPECT_TRUE(SendMessageA(group, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Neue Gruppe")));
    const SIZE text = TextExtent(group, "Neue Gruppe");
    EXPECT_EQ(Describe(PendingIn(dialog_)), Describe(RECT{a.left + 4, a.top, a.right, a.top + text.cy}));
    const Picture untouched(dialog_);
    for (int y = a.top; y < a.bottom; ++y)
        for (int x = a.left; x < a.right; ++x) ASSERT_EQ(untouched.At(x, y), kMarker) << x << "," << y;

    // The band repaints with the new label; the inside keeps what was there.
    PumpMessages();
    const Picture after(dialog_);
    const RECT glyphs = Extent(after, a, kText);
    EXPECT_TRUE(Inside(glyphs, {a.left + 4, a.top, a.left + 4 + text.cx, a.top + text.cy})) << Describe(glyphs);
    EXPECT_GT(glyphs.right - glyphs.left, text.cx / 2);
    EXPECT_EQ(after.At(a.left + 50, a.top + 50), kMarker) << "a group box is never erased";
    EXPECT_EQ(after.At(a.left, a.top + 50), kMarker) << "outside the band nothing repaints";
}

TEST_F(ButtonLook, GroupBoxInsideIsNeverErased)
{
    const RECT a{10, 100, 200, 200};
    HWND group = Add("Button", "Gruppe", BS_GROUPBOX, a);
    ApplyLook();
    Mark(dialog_, a);
    RedrawWindow(group, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const Picture picture(dialog_);
    EXPECT_EQ(picture.At(a.left + 50, a.top + 50), kMarker);
    EXPECT_EQ(picture.At(a.left + 2, a.bottom - 3), kMarker);
    EXPECT_EQ(picture.At(a.left, a.top + 50), kShadow) << "the frame is painted again";
}

}  // namespace
