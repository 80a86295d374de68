// The language library's resource directory, icons and check-box bitmap. The
// test program carries the launcher's resources, so it can compare the two
// modules' copies and show that each module finds its own PROGRESS.
#include "tests/language_resources/library_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace templates {
namespace {

constexpr WORD kGerman = MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN);

std::string ResourceName(LPCSTR name)
{
    return IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : name;
}

struct Directory {
    std::map<std::string, std::set<std::string>> names;  // by type
    std::vector<std::string> notGerman;
};

BOOL CALLBACK OnLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR param)
{
    auto* directory = reinterpret_cast<Directory*>(param);
    directory->names[ResourceName(type)].insert(ResourceName(name));
    if (language != kGerman)
        directory->notGerman.push_back(ResourceName(type) + "/" + ResourceName(name) + " in " +
                                       std::to_string(language));
    return TRUE;
}

BOOL CALLBACK OnName(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR param)
{
    EnumResourceLanguagesA(module, type, name, OnLanguage, param);
    return TRUE;
}

BOOL CALLBACK OnType(HMODULE module, LPSTR type, LONG_PTR param)
{
    EnumResourceNamesA(module, type, OnName, param);
    return TRUE;
}

TEST(LanguageResources, DirectoryHoldsTheListedResourcesAllInGerman)
{
    ASSERT_NE(Library(), nullptr);
    Directory directory;
    EnumResourceTypesA(Library(), OnType, reinterpret_cast<LONG_PTR>(&directory));

    EXPECT_TRUE(directory.notGerman.empty()) << directory.notGerman.front();
    const std::set<std::string> dialogs = {"ALERTBOX", "COPYSINGLE", "EDITCUSTOM", "EDITEXPRESS", "EDITSYS",
                                           "FILEGETNAME", "FILEINFOANY", "INSTALLMODE", "MAINDIALOG",
                                           "MAINDIALOG_MIN", "PROGRESS", "REPLACEFILE", "SERVERPATH",
                                           "SOURCEPATH"};
    const std::set<std::string> iconGroups = {"IDI_DISKETTE", "IDI_EXCLAIM", "IDI_LOGO", "IDI_QUEST",
                                              "IDI_SCHRAUBE"};
    EXPECT_EQ(directory.names["#5"], dialogs);
    EXPECT_EQ(directory.names["#14"], iconGroups);
    EXPECT_EQ(directory.names["#2"], std::set<std::string>{"#26567"});
    // One image for each group, and nothing else in the library.
    EXPECT_EQ(directory.names["#3"].size(), iconGroups.size());
    std::set<std::string> types;
    for (const auto& entry : directory.names) types.insert(entry.first);
    EXPECT_EQ(types, (std::set<std::string>{"#2", "#3", "#5", "#14"}));
}

struct ResourceBytes {
    const BYTE* data = nullptr;
    DWORD size = 0;
};

ResourceBytes Resource(HMODULE module, LPCSTR name, LPCSTR type)
{
    HRSRC info = FindResourceA(module, name, type);
    if (!info) return {};
    return {static_cast<const BYTE*>(LockResource(LoadResource(module, info))), SizeofResource(module, info)};
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupIcon {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

class IconGroup : public ::testing::TestWithParam<const char*> {};

TEST_P(IconGroup, HoldsOneImageOf32By32In16ColoursWithMask)
{
    ASSERT_NE(Library(), nullptr);
    const ResourceBytes group = Resource(Library(), GetParam(), MAKEINTRESOURCEA(14));
    ASSERT_GE(group.size, sizeof(GroupIcon));
    const auto* directory = reinterpret_cast<const GroupIcon*>(group.data);
    EXPECT_EQ(directory->type, 1);
    ASSERT_EQ(directory->count, 1);
    const GroupIconEntry& entry = directory->entries[0];
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitCount, 4);

    const ResourceBytes image = Resource(Library(), MAKEINTRESOURCEA(entry.id), MAKEINTRESOURCEA(3));
    ASSERT_EQ(image.size, entry.bytes);
    BITMAPINFOHEADER header;
    ASSERT_GE(image.size, sizeof header);
    CopyMemory(&header, image.data, sizeof header);
    EXPECT_EQ(header.biWidth, 32);
    EXPECT_EQ(header.biHeight, 64);  // colour image and mask
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 4);
    // 40 header bytes, 16 colours, 32 rows of 16 colour bytes, 32 rows of 4 mask bytes.
    ASSERT_EQ(image.size, 40u + 16 * 4 + 32 * 16 + 32 * 4);
    const BYTE* mask = image.data + 40 + 16 * 4 + 32 * 16;
    int seeThrough = 0;
    for (int i = 0; i < 32 * 4; ++i)
        for (int bit = 0; bit < 8; ++bit) seeThrough += (mask[i] >> bit) & 1;
    EXPECT_GT(seeThrough, 0);
    EXPECT_LT(seeThrough, 32 * 32);
}

INSTANTIATE_TEST_SUITE_P(Library, IconGroup,
                         ::testing::Values("IDI_LOGO", "IDI_DISKETTE", "IDI_SCHRAUBE", "IDI_QUEST", "IDI_EXCLAIM"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// The icon as drawn over a plain background of the colour, pixel by pixel.
std::vector<DWORD> DrawnIcon(HMODULE module, const char* name, COLORREF background)
{
    HICON icon = static_cast<HICON>(LoadImageA(module, name, IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    if (!icon) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(background);
    RECT all{0, 0, 32, 32};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + 32 * 32);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyIcon(icon);
    return pixels;
}

TEST(LanguageResources, DisketteShowsTheLogosPixels)
{
    ASSERT_NE(Library(), nullptr);
    // Two backgrounds, so that the masks are compared as well as the colours.
    for (COLORREF background : {RGB(1, 2, 3), RGB(250, 0, 250)}) {
        const std::vector<DWORD> logo = DrawnIcon(Library(), "IDI_LOGO", background);
        ASSERT_EQ(logo.size(), 32u * 32);
        EXPECT_EQ(DrawnIcon(Library(), "IDI_DISKETTE", background), logo);
        EXPECT_EQ(DrawnIcon(GetModuleHandleA(nullptr), "IDI_LOGO", background), logo) << "launcher's logo";
        EXPECT_NE(DrawnIcon(Library(), "IDI_SCHRAUBE", background), logo);
    }
    EXPECT_NE(DrawnIcon(Library(), "IDI_LOGO", RGB(1, 2, 3)), DrawnIcon(Library(), "IDI_LOGO", RGB(250, 0, 250)));
}

TEST(LanguageResources, CheckBoxBitmapIsTheLaunchersFile)
{
    ASSERT_NE(Library(), nullptr);
    const ResourceBytes ours = Resource(Library(), MAKEINTRESOURCEA(26567), MAKEINTRESOURCEA(2));
    const ResourceBytes launchers = Resource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(26567), MAKEINTRESOURCEA(2));
    ASSERT_EQ(ours.size, 40u + 16 * 4 + 1404);
    ASSERT_EQ(launchers.size, ours.size);
    EXPECT_EQ(memcmp(ours.data, launchers.data, ours.size), 0);
    BITMAPINFOHEADER header;
    CopyMemory(&header, ours.data, sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 70);
    EXPECT_EQ(header.biHeight, 39);
    EXPECT_EQ(header.biBitCount, 4);
    EXPECT_EQ(header.biCompression, static_cast<DWORD>(BI_RGB));
    EXPECT_EQ(header.biSizeImage, 1404u);
}

TEST(LanguageResources, EachModuleFindsItsOwnProgressTemplate)
{
    ASSERT_NE(Library(), nullptr);
    EnsureFirstTopLevelWindow();
    struct Case {
        HMODULE module;
        size_t controls;
    };
    for (const Case& c : {Case{Library(), 7}, Case{GetModuleHandleA(nullptr), 2}}) {
        DialogWindow dialog(CreateDialogParamA(c.module, "PROGRESS", nullptr, IdleDialogProc, 0));
        ASSERT_NE(static_cast<HWND>(dialog), nullptr);
        EXPECT_EQ(ChildrenInOrder(dialog).size(), c.controls);
        EXPECT_EQ(GetDlgItem(dialog, 700) != nullptr, c.controls == 7);
    }
}

}  // namespace
}  // namespace templates
