// The launcher's main window and progress dialog, driven in-process with the
// launcher's own resources.
#include "launcher/launcher.h"
#include "launcher/launcher_texts.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/test_files.h"
#include "tests/support/ui_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string WindowText(HWND window)
{
    char text[516] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

class Launcher : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(RegisterMainClass(GetModuleHandleA(nullptr)));
    }

    void SetUp() override
    {
        ASSERT_TRUE(CreateMainWindow(GetModuleHandleA(nullptr)));
        InitEnvironment();
    }

    void TearDown() override
    {
        ShowProgressDialog(FALSE);
        if (IsWindow(hwndMain)) DestroyWindow(hwndMain);
        hwndMain = nullptr;
        PumpMessages();
        // Leave no quit message behind for the next test's loop.
        MSG msg;
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
    }
};

TEST_F(Launcher, MainWindowClassAndWindowAreAsRegistered)
{
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "MainWClass", &info));
    EXPECT_EQ(info.style, 0x2003u);
    EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(13));
    EXPECT_NE(info.hIcon, nullptr);
    EXPECT_EQ(info.lpfnWndProc, MainWndProc);
    EXPECT_FALSE(IsWindowVisible(hwndMain));
    // The platform adds WS_CLIPSIBLINGS to every overlapped window.
    EXPECT_EQ(GetWindowLongA(hwndMain, GWL_STYLE) & ~WS_CLIPSIBLINGS, 0x02CF0000);
    EXPECT_EQ(WindowText(hwndMain), szAppTitle);
    EXPECT_EQ(hInst, GetModuleHandleA(nullptr));
}

TEST_F(Launcher, SecondRegistrationShowsTheEnglishMessage)
{
    MessageBoxWatcher watcher(szAppTitle);
    hwndMain = nullptr;  // the box has no owner yet when registration fails
    EXPECT_FALSE(RegisterMainClass(GetModuleHandleA(nullptr)));
    ASSERT_TRUE(watcher.WaitForBoxes(1));
    EXPECT_EQ(watcher.Texts()[0], "Unable to register class \"MainWClass\".");
}

TEST_F(Launcher, ProgressDialogShowsCaptionAndGermanTextCentred)
{
    ASSERT_TRUE(ShowProgressDialog(TRUE));
    ASSERT_NE(hwndProgress, nullptr);
    EXPECT_TRUE(IsWindowVisible(hwndProgress));
    EXPECT_EQ(GetWindow(hwndProgress, GW_OWNER), hwndMain);
    EXPECT_EQ(WindowText(hwndProgress), szAppTitle);
    EXPECT_EQ(WindowText(GetDlgItem(hwndProgress, IDC_STATUS)), "Installation wird vorbereitet...");
    // The dialog manager adds DS_3DLOOK by itself.
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(hwndProgress, GWL_STYLE)) & ~DS_3DLOOK, 0x94C800C0u);

    RECT r;
    GetWindowRect(hwndProgress, &r);
    EXPECT_EQ(r.left, (cxScreen - (r.right - r.left)) / 2);
    EXPECT_EQ(r.top, (cyScreen - (r.bottom - r.top)) / 2);
    EXPECT_EQ(cxScreen, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(cyScreen, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(Launcher, ShowProgressDialogTwiceOrHideWithoutDialogReturnsFalse)
{
    EXPECT_FALSE(ShowProgressDialog(FALSE));
    ASSERT_TRUE(ShowProgressDialog(TRUE));
    HWND first = hwndProgress;
    EXPECT_FALSE(ShowProgressDialog(TRUE));
    EXPECT_EQ(hwndProgress, first);
    EXPECT_TRUE(ShowProgressDialog(FALSE));
    EXPECT_EQ(hwndProgress, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_FALSE(ShowProgressDialog(FALSE));
}

TEST_F(Launcher, UserCannotCloseTheProgressDialog)
{
    ASSERT_TRUE(ShowProgressDialog(TRUE));
    SendMessageA(hwndProgress, WM_SYSCOMMAND, SC_CLOSE, 0);
    SendMessageA(hwndProgress, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(hwndProgress));
}

TEST(CenterWindow, CentresWithTruncationAndClampsToTheScreenOrigin)
{
    const struct {
        int screenWidth, screenHeight, width, height, x, y;
    } cases[] = {
        {800, 600, 100, 50, 350, 275},
        {107, 600, 100, 50, 3, 275},    // an odd difference of 7 gives 3
        {640, 480, 700, 500, 0, 0},     // larger than the screen
        {640, 480, 640, 480, 0, 0},
        {1024, 768, 1023, 100, 0, 334},  // a difference of 1 gives 0
    };
    for (const auto& c : cases) {
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 17, 19, c.width, c.height, nullptr, nullptr,
                                      nullptr, nullptr);
        ASSERT_NE(window, nullptr);
        cxScreen = c.screenWidth;
        cyScreen = c.screenHeight;
        CenterWindow(window);
        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r.left, c.x) << c.screenWidth << " - " << c.width;
        EXPECT_EQ(r.top, c.y) << c.screenHeight << " - " << c.height;
        EXPECT_EQ(r.right - r.left, c.width);
        EXPECT_EQ(r.bottom - r.top, c.height);
        DestroyWindow(window);
    }
}

TEST_F(Launcher, CloseBeforePrepareEndsWithoutCopying)
{
    const std::string medium = FreshFolder("progress\\medium");
    const std::string temp = FreshFolder("progress\\temp");
    for (const char* name : {"_000010_", "_000020_", "_000030_"}) WriteWholeFile(JoinPath(medium, name), name);
    lstrcpyA(szSourceDir, (medium + "\\").c_str());
    lstrcpyA(szTempDir, (temp + "\\").c_str());

    PostMessageA(hwndMain, WM_COMMAND, IDM_PREPARE + 1, 0);  // not ours: default handling
    PostMessageA(hwndMain, WM_CLOSE, 0, 0);
    PostMessageA(hwndMain, WM_COMMAND, IDM_PREPARE, 0);
    EXPECT_EQ(RunMessageLoop(), 0);
    EXPECT_FALSE(IsWindow(hwndMain));
    EXPECT_EQ(hwndProgress, nullptr);
    for (const char* name : {"kl4_inst.exe", "kl4_inst.hlp", "kl4_lang.dll"})
        EXPECT_FALSE(FileExists(JoinPath(temp, name))) << name;
}

}  // namespace
