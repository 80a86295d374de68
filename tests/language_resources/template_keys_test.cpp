// The installer pages under the platform's dialog keyboard handling, and the
// plain radio buttons and check boxes that only the installer sets.
#include "tests/language_resources/library_support.h"
#include "tests/language_resources/template_tables.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace templates {
namespace {

// Buttons the dialog reported clicked, in order.
std::vector<int> clicked;

INT_PTR CALLBACK RecordingDialogProc(HWND, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) clicked.push_back(LOWORD(wParam));
    return FALSE;
}

class PageDialog {
public:
    explicit PageDialog(const char* name)
        : dialog_(CreateDialogParamA(Library(), name, nullptr, RecordingDialogProc, 0))
    {
        clicked.clear();
    }
    ~PageDialog() { DestroyWindow(dialog_); }
    PageDialog(const PageDialog&) = delete;
    PageDialog& operator=(const PageDialog&) = delete;
    HWND Handle() const { return dialog_; }
    HWND Item(int id) const { return GetDlgItem(dialog_, id); }

    // Presses a key in the focused control; the dialog manager takes it from
    // the queue as it would a typed key.
    void Press(HWND focus, UINT key)
    {
        SetFocus(focus);
        PumpDialogMessages(dialog_);
        clicked.clear();
        PostMessageA(focus, WM_KEYDOWN, key, 1);
        PumpDialogMessages(dialog_);
    }

private:
    HWND dialog_;
};

std::vector<int> EditIds(const TemplateRow& t)
{
    std::vector<int> ids;
    for (size_t i = 0; i < t.count; ++i)
        if (std::string(t.controls[i].cls) == "Edit") ids.push_back(t.controls[i].id);
    return ids;
}

std::vector<TemplateRow> Pages(bool withEditsOnly)
{
    std::vector<TemplateRow> pages;
    for (const TemplateRow& t : kTemplates)
        if (t.page && (!withEditsOnly || !EditIds(t).empty())) pages.push_back(t);
    return pages;
}

std::string TemplateName(const ::testing::TestParamInfo<TemplateRow>& info)
{
    return info.param.name;
}

class DialogTest : public ::testing::TestWithParam<TemplateRow> {
protected:
    void SetUp() override
    {
        ASSERT_NE(Library(), nullptr);
        EnsureFirstTopLevelWindow();
    }
};

// INSTALLMODE and the main menus have no edit field and so no tab stop.
using PageTabStops = DialogTest;

TEST_P(PageTabStops, OnlyTheEditFieldsAreTabStops)
{
    PageDialog page(GetParam().name);
    ASSERT_NE(page.Handle(), nullptr);
    std::vector<int> tabStops;
    for (HWND child : ChildrenInOrder(page.Handle()))
        if (GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) tabStops.push_back(GetDlgCtrlID(child));
    EXPECT_EQ(tabStops, EditIds(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Library, PageTabStops, ::testing::ValuesIn(Pages(false)), TemplateName);

using EditPageKeys = DialogTest;

TEST_P(EditPageKeys, TabCyclesThroughTheEditFields)
{
    const std::vector<int> edits = EditIds(GetParam());
    PageDialog page(GetParam().name);
    ASSERT_NE(page.Handle(), nullptr);
    for (size_t i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE("from edit " + std::to_string(edits[i]));
        HWND next = page.Item(edits[(i + 1) % edits.size()]);
        HWND previous = page.Item(edits[(i + edits.size() - 1) % edits.size()]);
        page.Press(page.Item(edits[i]), VK_TAB);
        EXPECT_EQ(GetFocus(), next);
        EXPECT_EQ(GetNextDlgTabItem(page.Handle(), page.Item(edits[i]), TRUE), previous);
        EXPECT_TRUE(clicked.empty());
    }
}

TEST_P(EditPageKeys, EnterMeansWeiterAndEscapeMeansBeenden)
{
    const std::vector<int> edits = EditIds(GetParam());
    struct KeyCase {
        UINT key;
        int reported;
    };
    constexpr KeyCase kKeys[] = {{VK_RETURN, IDOK}, {VK_ESCAPE, IDCANCEL}};
    PageDialog page(GetParam().name);
    ASSERT_NE(page.Handle(), nullptr);
    for (int edit : edits) {
        for (const KeyCase& k : kKeys) {
            SCOPED_TRACE("edit " + std::to_string(edit) + ", key " + std::to_string(k.key));
            page.Press(page.Item(edit), k.key);
            EXPECT_EQ(clicked, std::vector<int>{k.reported});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Library, EditPageKeys, ::testing::ValuesIn(Pages(true)), TemplateName);

// The radio buttons of INSTALLMODE and the check boxes of EDITCUSTOM report
// a click but keep their check mark until the installer sets it.
using PlainChoices = DialogTest;

TEST_P(PlainChoices, ClickChangesNoCheckMark)
{
    PageDialog page(GetParam().name);
    ASSERT_NE(page.Handle(), nullptr);
    std::vector<int> choices;
    for (size_t i = 0; i < GetParam().count; ++i) {
        const DWORD type = GetParam().controls[i].style & BS_TYPEMASK;
        if (std::string(GetParam().controls[i].cls) == "Button" && (type == BS_RADIOBUTTON || type == BS_CHECKBOX))
            choices.push_back(GetParam().controls[i].id);
    }
    ASSERT_FALSE(choices.empty());
    for (int id : choices) {
        SCOPED_TRACE("choice " + std::to_string(id));
        HWND choice = page.Item(id);
        clicked.clear();
        SendMessageA(choice, BM_CLICK, 0, 0);
        EXPECT_EQ(clicked, std::vector<int>{id});
        EXPECT_EQ(SendMessageA(choice, BM_GETCHECK, 0, 0), BST_UNCHECKED);

        SendMessageA(choice, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(choice, BM_CLICK, 0, 0);
        EXPECT_EQ(SendMessageA(choice, BM_GETCHECK, 0, 0), BST_CHECKED);
    }
}

std::vector<TemplateRow> TemplatesNamed(std::initializer_list<std::string> names)
{
    std::vector<TemplateRow> found;
    for (const TemplateRow& t : kTemplates)
        for (const std::string& name : names)
            if (name == t.name) found.push_back(t);
    return found;
}

INSTANTIATE_TEST_SUITE_P(Library, PlainChoices, ::testing::ValuesIn(TemplatesNamed({"INSTALLMODE", "EDITCUSTOM"})),
                         TemplateName);

}  // namespace
}  // namespace templates
