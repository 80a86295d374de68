// Each dialog template of the language library, read from the resource and
// created by the platform, against its table.
#include "tests/language_resources/library_support.h"
#include "tests/language_resources/template_tables.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace templates {
namespace {

class TemplateLayout : public ::testing::TestWithParam<TemplateRow> {
protected:
    void SetUp() override
    {
        ASSERT_NE(Library(), nullptr);
        EnsureFirstTopLevelWindow();
    }
};

std::string RowName(const ControlRow& row, size_t index)
{
    return "control " + std::to_string(index) + " (id " + std::to_string(row.id) + ")";
}

TEST_P(TemplateLayout, ResourceHoldsTheTabledTemplate)
{
    const TemplateRow& expected = GetParam();
    TemplateData data;
    ASSERT_TRUE(ReadDialogTemplate(Library(), expected.name, &data)) << "extended form: " << data.extended;

    EXPECT_EQ(data.style, expected.style);
    EXPECT_EQ(data.exStyle, 0u);
    EXPECT_EQ(data.x, expected.x);
    EXPECT_EQ(data.y, expected.y);
    EXPECT_EQ(data.cx, expected.cx);
    EXPECT_EQ(data.cy, expected.cy);
    EXPECT_FALSE(data.hasMenu);
    EXPECT_FALSE(data.hasClass);
    EXPECT_EQ(data.caption, L"");
    EXPECT_EQ(data.pointSize, 8);
    EXPECT_EQ(data.face, L"MS Sans Serif");

    ASSERT_EQ(data.items.size(), expected.count);
    for (size_t i = 0; i < expected.count; ++i) {
        const ControlRow& row = expected.controls[i];
        const ItemData& item = data.items[i];
        SCOPED_TRACE(RowName(row, i));
        EXPECT_EQ(item.id, row.id);
        EXPECT_STRCASEEQ(item.cls.c_str(), row.cls);
        EXPECT_EQ(item.style, row.style) << std::hex << item.style << " != " << row.style;
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(item.x, row.x);
        EXPECT_EQ(item.y, row.y);
        EXPECT_EQ(item.cx, row.cx);
        EXPECT_EQ(item.cy, row.cy);
        EXPECT_EQ(item.textOrdinal, 0);
        EXPECT_EQ(item.text, row.text);
        EXPECT_EQ(item.creationDataSize, 0);
    }
}

// The rectangle a control of the row should have in the dialog's client
// area. The dialog manager converts position and size each on its own.
RECT DialogUnitsToPixels(HWND dialog, const ControlRow& row)
{
    RECT r{row.x, row.y, row.cx, row.cy};
    MapDialogRect(dialog, &r);
    return RECT{r.left, r.top, r.left + r.right, r.top + r.bottom};
}

RECT RectInDialog(HWND dialog, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void ExpectRect(const RECT& actual, const RECT& expected)
{
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    EXPECT_EQ(actual.bottom, expected.bottom);
}

// Height of a list row in the system font: list boxes take their first row
// height from it, before the dialog hands them its own font.
int SystemFontRowHeight()
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

// Where the platform itself shapes a control, the check follows it: an icon
// static takes its icon's size, a list box without LBS_NOINTEGRALHEIGHT
// drops its partial last row, and a drop-down combo box is as high as its
// selection field while its list drops down to about the template's bottom.
void ExpectControlRect(HWND dialog, HWND child, const ControlRow& row)
{
    const RECT expected = DialogUnitsToPixels(dialog, row);
    const RECT actual = RectInDialog(dialog, child);
    const std::string cls = row.cls;
    if (cls == "Static" && (row.style & SS_TYPEMASK) == SS_ICON) {
        const HICON icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        DeleteObject(info.hbmMask);
        DeleteObject(info.hbmColor);
        ExpectRect(actual, RECT{expected.left, expected.top, expected.left + colour.bmWidth,
                                expected.top + colour.bmHeight});
        return;
    }
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.right, expected.right);
    if (cls == "ListBox" && !(row.style & LBS_NOINTEGRALHEIGHT)) {
        const int rowHeight = std::max(static_cast<int>(SendMessageA(child, LB_GETITEMHEIGHT, 0, 0)),
                                        SystemFontRowHeight());
        EXPECT_LE(actual.bottom, expected.bottom);
        EXPECT_GT(actual.bottom, expected.bottom - rowHeight);
    } else if (cls == "ComboBox") {
        RECT dropped;
        SendMessageA(child, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&dropped), 2);
        const int fieldHeight = actual.bottom - actual.top;
        const int listRow = static_cast<int>(SendMessageA(child, CB_GETITEMHEIGHT, 0, 0));
        EXPECT_EQ(dropped.left, expected.left);
        EXPECT_EQ(dropped.top, expected.top);
        EXPECT_EQ(dropped.right, expected.right);
        EXPECT_LE(dropped.bottom, expected.bottom);
        EXPECT_GT(dropped.bottom, expected.bottom - fieldHeight - listRow);
    } else {
        EXPECT_EQ(actual.bottom, expected.bottom);
    }
}

// The platform turns an edit's, list's or combo box's WS_BORDER into a
// client edge and shows a list's scroll bar only when it is needed; every
// other bit stays as the template has it.
DWORD BitsThePlatformDecides(const ControlRow& row)
{
    const std::string cls = row.cls;
    return (cls == "Edit" || cls == "ListBox" || cls == "ComboBox") ? WS_BORDER | WS_VSCROLL : 0;
}

TEST_P(TemplateLayout, PlatformCreatesTheTabledControls)
{
    const TemplateRow& expected = GetParam();
    DialogWindow dialog(CreateDialogParamA(Library(), expected.name, nullptr, IdleDialogProc, 0));
    ASSERT_NE(static_cast<HWND>(dialog), nullptr);

    EXPECT_EQ(IsWindowVisible(dialog) != FALSE, (expected.style & WS_VISIBLE) != 0);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_EQ(GetWindowTextLengthA(dialog), 0);
    RECT client;
    GetClientRect(dialog, &client);
    RECT size{0, 0, expected.cx, expected.cy};
    MapDialogRect(dialog, &size);
    ExpectRect(client, size);

    const std::vector<HWND> children = ChildrenInOrder(dialog);
    ASSERT_EQ(children.size(), expected.count);
    for (size_t i = 0; i < expected.count; ++i) {
        const ControlRow& row = expected.controls[i];
        HWND child = children[i];
        SCOPED_TRACE(RowName(row, i));
        EXPECT_EQ(GetDlgCtrlID(child), row.id);
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        EXPECT_STRCASEEQ(cls, row.cls);
        ExpectControlRect(dialog, child, row);
        const DWORD childStyle = static_cast<DWORD>(GetWindowLongA(child, GWL_STYLE));
        const DWORD decided = BitsThePlatformDecides(row);
        EXPECT_EQ(childStyle & ~decided, row.style & ~decided) << std::hex << childStyle;
    }
}

std::string TemplateName(const ::testing::TestParamInfo<TemplateRow>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(Library, TemplateLayout, ::testing::ValuesIn(kTemplates), TemplateName);

}  // namespace
}  // namespace templates
