// Which windows the look subclasses: the dialog hook, the class table with its
// acceptance tests, the look property and the control colours.
#include "look3d/look_procs.h"
#include "look3d/subclass.h"
#include "tests/look3d/look_fixture.h"
#include "tests/support/dialog_template.h"

#include <string>
#include <vector>

using namespace look3d;

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;

bool Subclassed(HWND window)
{
    return LookProperty(window) != nullptr;
}

class Subclassing : public AttachedLookTest {
protected:
    void TearDown() override
    {
        for (HWND window : windows_)
            if (IsWindow(window)) DestroyWindow(window);
        pendingDialog = nullptr;
        AttachedLookTest::TearDown();
    }
    HWND Keep(HWND window)
    {
        windows_.push_back(window);
        return window;
    }

    std::vector<HWND> windows_;
};

struct ControlCase {
    const char* className;
    DWORD style;
    bool subclassed;
};

const ControlCase kControls[] = {
    {"Button", BS_PUSHBUTTON, true},
    {"Button", BS_DEFPUSHBUTTON, true},
    {"Button", BS_AUTOCHECKBOX, true},
    {"Button", BS_AUTO3STATE, true},
    {"Button", BS_GROUPBOX, true},
    {"Button", BS_USERBUTTON, true},
    {"Button", BS_AUTORADIOBUTTON, true},
    {"Button", BS_OWNERDRAW, false},
    {"Button", BS_RADIOBUTTON | BS_LEFTTEXT, false},
    {"Edit", ES_AUTOHSCROLL | WS_BORDER, true},
    {"ListBox", LBS_NOTIFY | WS_VSCROLL, true},
    {"ComboBox", CBS_DROPDOWNLIST, true},
    {"ComboBox", CBS_SIMPLE, true},
    {"ComboBox", CBS_DROPDOWN, false},  // its edit field is subclassed instead
    {"Static", SS_LEFT, true},
    {"Static", SS_CENTER, true},
    {"Static", SS_RIGHT, true},
    {"Static", SS_LEFTNOWORDWRAP, true},
    {"Static", SS_BLACKFRAME, true},
    {"Static", SS_GRAYRECT, true},
    {"Static", SS_WHITEFRAME, true},
    {"Static", SS_ICON, false},
    {"Static", SS_SIMPLE, false},
    {"ScrollBar", SBS_HORZ, false},
};

DialogTemplate ControlsTemplate()
{
    DialogTemplate dialog(kDialogStyle, 10, 10, 200, 300);
    WORD id = 100;
    short y = 2;
    for (const ControlCase& c : kControls) {
        dialog.Add(c.className, c.style, id++, 2, y, 120, 12, c.style == SS_ICON ? "" : "Text");
        y += 12;
    }
    return dialog;
}

TEST_F(Subclassing, HookedThreadsDialogAndItsControlsBySubclassTable)
{
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    DialogTemplate dialog = ControlsTemplate();
    HWND hwnd = Keep(dialog.Create(PlainDialogProc));
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), DialogLookProc);
    EXPECT_TRUE(Subclassed(hwnd));
    WORD id = 100;
    for (const ControlCase& c : kControls) {
        HWND control = GetDlgItem(hwnd, id++);
        EXPECT_EQ(Subclassed(control), c.subclassed) << c.className << " style " << std::hex << c.style;
    }
    // The drop-down combo box keeps its own procedure; its edit field has the look.
    HWND dropDown = GetDlgItem(hwnd, 100 + 13);
    HWND edit = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(Subclassed(edit));
    EXPECT_EQ(SubclassByClass(dropDown, LOOK_ALL), FALSE);
    // Both children of the simple combo box have it.
    HWND simple = GetDlgItem(hwnd, 100 + 12);
    for (HWND child = GetWindow(simple, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EXPECT_TRUE(Subclassed(child));
}

TEST_F(Subclassing, ClassMaskSelectsRowsAndStaticKinds)
{
    // Without the hook the dialog stays plain until asked.
    const struct {
        WORD mask;
        std::vector<int> subclassed;  // indexes into kControls
    } cases[] = {
        {0, {}},
        {LOOK_STATICTEXT, {14, 15, 16, 17}},
        {LOOK_STATICFRAME, {18, 19, 20}},
        {LOOK_EDIT, {9}},
        {LOOK_BUTTON, {0, 1, 2, 3, 4, 5, 6}},
        {LOOK_LISTBOX, {10}},
        {LOOK_COMBOBOX, {11, 12}},
    };
    for (const auto& c : cases) {
        DialogTemplate dialog = ControlsTemplate();
        HWND hwnd = Keep(dialog.Create(PlainDialogProc));
        ASSERT_FALSE(Subclassed(hwnd));
        EXPECT_TRUE(C3dSubclassChildren(hwnd, c.mask)) << "mask " << c.mask;
        for (int i = 0; i < static_cast<int>(std::size(kControls)); ++i) {
            const bool expected = std::find(c.subclassed.begin(), c.subclassed.end(), i) != c.subclassed.end();
            EXPECT_EQ(Subclassed(GetDlgItem(hwnd, static_cast<int>(100 + i))), expected)
                << "mask " << std::hex << c.mask << ", control " << std::dec << i;
        }
        EXPECT_FALSE(Subclassed(hwnd)) << "children only";
    }
}

TEST_F(Subclassing, SubclassDialogAddsTheDialogProcedure)
{
    DialogTemplate dialog = ControlsTemplate();
    HWND hwnd = Keep(dialog.Create(PlainDialogProc));
    EXPECT_TRUE(C3dSubclassDialog(hwnd, LOOK_EDIT));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), DialogLookProc);
    EXPECT_TRUE(Subclassed(GetDlgItem(hwnd, 109)));
    EXPECT_FALSE(Subclassed(GetDlgItem(hwnd, 100)));
}

TEST_F(Subclassing, SecondSubclassingChangesNothing)
{
    HWND button = Keep(CreateWindowExA(0, "Button", "x", WS_CHILD | BS_PUSHBUTTON, 0, 0, 10, 10, first_, nullptr,
                                       nullptr, nullptr));
    EXPECT_TRUE(C3dSubclassControl(button));
    const LONG_PTR procedure = GetWindowLongPtrA(button, GWLP_WNDPROC);
    const WNDPROC previous = LookProperty(button);
    EXPECT_FALSE(C3dSubclassControl(button));
    EXPECT_EQ(GetWindowLongPtrA(button, GWLP_WNDPROC), procedure);
    EXPECT_EQ(LookProperty(button), previous);
}

// A class named like the system's combo box, but without children.
LRESULT CALLBACK ChildlessProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(Subclassing, SimpleComboBoxWithoutChildrenIsRefused)
{
    WNDCLASSA local{};
    local.lpfnWndProc = ChildlessProc;
    local.hInstance = TestInstance();
    local.lpszClassName = "ComboBox";
    ASSERT_TRUE(RegisterClassA(&local));
    HWND combo = Keep(CreateWindowExA(0, "ComboBox", "", WS_CHILD | CBS_SIMPLE, 0, 0, 10, 10, first_, nullptr,
                                      TestInstance(), nullptr));
    EXPECT_FALSE(C3dSubclassControl(combo));
    EXPECT_FALSE(Subclassed(combo));
    DestroyWindow(combo);
    UnregisterClassA("ComboBox", TestInstance());
}

// Checks, while the window is destroyed, that the look removed its property.
WNDPROC lookProcOfWatched;
bool propertyGoneAtNcDestroy;
LRESULT CALLBACK WatchNcDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CallWindowProcA(lookProcOfWatched, window, message, wParam, lParam);
    if (message == WM_NCDESTROY) propertyGoneAtNcDestroy = !GetPropA(window, MAKEINTATOM(c3dAtom));
    return result;
}

TEST_F(Subclassing, PropertyIsRemovedAtNcDestroy)
{
    for (const char* className : {"Button", "Edit", "ListBox", "Static"}) {
        HWND control = CreateWindowExA(0, className, "x", WS_CHILD, 0, 0, 10, 10, first_, nullptr, nullptr, nullptr);
        ASSERT_TRUE(C3dSubclassControl(control)) << className;
        lookProcOfWatched = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchNcDestroy)));
        propertyGoneAtNcDestroy = false;
        DestroyWindow(control);
        EXPECT_TRUE(propertyGoneAtNcDestroy) << className;
    }
}

// Dialog procedures that answer the look's subclass query.
INT_PTR CALLBACK RefuseByFlag(HWND, UINT message, WPARAM, LPARAM lParam)
{
    if (message == C3DM_QUERYSUBCLASS && lParam) *reinterpret_cast<int*>(lParam) = 0;
    return FALSE;
}

INT_PTR CALLBACK RefuseByProperty(HWND window, UINT message, WPARAM, LPARAM lParam)
{
    if (message == C3DM_QUERYSUBCLASS && !lParam) SetPropA(window, MAKEINTATOM(c3dAtom), reinterpret_cast<HANDLE>(1));
    return FALSE;
}

// Records at WM_INITDIALOG whether the first control has the look yet.
bool controlSubclassedAtInit;
INT_PTR CALLBACK RecordInit(HWND window, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) controlSubclassedAtInit = Subclassed(GetDlgItem(window, 100));
    return FALSE;
}

TEST_F(Subclassing, DialogsAnsweringTheQueryStayPlain)
{
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    DialogTemplate dialog = ControlsTemplate();

    HWND byFlag = Keep(dialog.Create(RefuseByFlag));
    EXPECT_FALSE(Subclassed(byFlag));
    EXPECT_FALSE(Subclassed(GetDlgItem(byFlag, 100))) << "its controls stay plain";

    HWND byProperty = Keep(dialog.Create(RefuseByProperty));
    EXPECT_EQ(GetPropA(byProperty, MAKEINTATOM(c3dAtom)), reinterpret_cast<HANDLE>(1));
    EXPECT_NE(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(byProperty, GWLP_WNDPROC)), DialogLookProc);
    EXPECT_FALSE(Subclassed(GetDlgItem(byProperty, 100)));

    HWND recorded = Keep(dialog.Create(RecordInit));
    EXPECT_FALSE(controlSubclassedAtInit) << "the dialog procedure sees its controls first";
    EXPECT_TRUE(Subclassed(GetDlgItem(recorded, 100)));
}

TEST_F(Subclassing, OnlyADialogWhoseNextWindowIsItsChildIsSubclassed)
{
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    DialogTemplate empty(kDialogStyle, 0, 0, 50, 50);
    HWND withoutControls = Keep(empty.Create(PlainDialogProc));
    EXPECT_FALSE(Subclassed(withoutControls));
    Keep(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(Subclassed(withoutControls)) << "the next window is not its child";
    EXPECT_EQ(pendingDialog, nullptr);

    // Two dialogs before any control: only the second can be subclassed.
    const LPCSTR dialogClass = MAKEINTATOM(32770);
    HWND firstDialog = Keep(CreateWindowExA(0, dialogClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                            nullptr));
    HWND secondDialog = Keep(CreateWindowExA(0, dialogClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                             nullptr));
    Keep(CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 5, 5, firstDialog, nullptr, nullptr, nullptr));
    EXPECT_FALSE(Subclassed(firstDialog));
    EXPECT_FALSE(Subclassed(secondDialog));

    HWND thirdDialog = Keep(CreateWindowExA(0, dialogClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                            nullptr));
    HWND fourthDialog = Keep(CreateWindowExA(0, dialogClass, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                             nullptr));
    Keep(CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 5, 5, fourthDialog, nullptr, nullptr, nullptr));
    EXPECT_FALSE(Subclassed(thirdDialog));
    EXPECT_TRUE(Subclassed(fourthDialog));

    // A dialog class named by string is not recognised.
    HWND byName = Keep(CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr));
    Keep(CreateWindowExA(0, "Button", "", WS_CHILD, 0, 0, 5, 5, byName, nullptr, nullptr, nullptr));
    EXPECT_FALSE(Subclassed(byName));
}

TEST_F(Subclassing, CachedThreadIsServedWithoutSearchingTheTable)
{
    // Two entries of this thread; the cache names the later one. A search
    // would find the earlier one.
    ASSERT_TRUE(C3dAttach(TestInstance()));
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    ASSERT_EQ(hookCacheIndex, 1);
    EXPECT_EQ(FindHookOfThread(GetCurrentThreadId()), &hookTable[1]);
}

struct ColourCase {
    const char* name;
    UINT message;
    const char* className;
    DWORD style;
    bool face;
};

TEST_F(Subclassing, ControlColoursAnswerFaceForStaticsButtonsDialogsAndComboLists)
{
    const ColourCase cases[] = {
        {"edit", WM_CTLCOLOREDIT, "Edit", 0, false},
        {"message box", WM_CTLCOLORMSGBOX, "Static", 0, false},
        {"scroll bar", WM_CTLCOLORSCROLLBAR, "ScrollBar", 0, false},
        {"static", WM_CTLCOLORSTATIC, "Static", 0, true},
        {"button", WM_CTLCOLORBTN, "Button", 0, true},
        {"dialog", WM_CTLCOLORDLG, "Static", 0, true},
        {"plain list box", WM_CTLCOLORLISTBOX, "ListBox", 0, false},
        {"drop-down list", WM_CTLCOLORLISTBOX, "ComboBox", CBS_DROPDOWNLIST, false},
        {"simple combo box", WM_CTLCOLORLISTBOX, "ComboBox", CBS_SIMPLE, true},
        {"drop-down combo box", WM_CTLCOLORLISTBOX, "ComboBox", CBS_DROPDOWN, true},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const ColourCase& c : cases) {
        HWND control = CreateWindowExA(0, c.className, "", WS_CHILD | c.style, 0, 0, 80, 80, first_, nullptr,
                                       nullptr, nullptr);
        SetTextColor(dc, RGB(1, 1, 1));
        SetBkColor(dc, RGB(2, 2, 2));
        const HBRUSH brush = C3dControlColor(c.message, dc, control);
        EXPECT_EQ(brush, c.face ? brFace : nullptr) << c.name;
        EXPECT_EQ(GetTextColor(dc), c.face ? kText : RGB(1, 1, 1)) << c.name;
        EXPECT_EQ(GetBkColor(dc), c.face ? kFace : RGB(2, 2, 2)) << c.name;
        DestroyWindow(control);
    }
    DeleteDC(dc);
}

TEST_F(Subclassing, EntryPointsDoNothingAfterShutdown)
{
    HWND button = Keep(CreateWindowExA(0, "Button", "x", WS_CHILD, 0, 0, 10, 10, first_, nullptr, nullptr, nullptr));
    DetachAll();
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(C3dControlColor(WM_CTLCOLORSTATIC, dc, button), nullptr);
    EXPECT_FALSE(C3dSubclassControl(button));
    EXPECT_FALSE(C3dSubclassChildren(first_, LOOK_ALL));
    EXPECT_FALSE(C3dSubclassDialog(first_, LOOK_ALL));
    EXPECT_FALSE(Subclassed(button));
    DeleteDC(dc);
}

}  // namespace
