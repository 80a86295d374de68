// The version handshake of kl4_lang.dll, called through the built library's
// exports: the accepted version, the refusal box and what both leave behind.
#include "language/language_library.h"
#include "tests/language/language_module.h"
#include "tests/support/message_box_watcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using InitFunction = int(__cdecl*)(INT32, HWND, INT32, LanguageInitValues*);
using ExitFunction = int(__cdecl*)();

constexpr char kBoxCaption[] = "KL4_LANG.DLL";
constexpr char kBoxText[] = "Inkompatible Sprachbibliothek";
constexpr INT32 kUntouched1 = 0x11111111;
constexpr INT32 kUntouched2 = 0x22222222;

// What a CBT hook on the calling thread saw of the box when it came up: the
// watcher only reads texts, the owner is visible only from inside.
struct BoxSeen {
    int boxes = 0;
    HWND owner = nullptr;
    int buttons = 0;
    bool icon = false;
};
BoxSeen g_seen;

// The box itself is not visible yet when it is activated, so a child counts
// by its own WS_VISIBLE style.
BOOL CALLBACK CountChild(HWND child, LPARAM param)
{
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if (!(style & WS_VISIBLE)) return TRUE;
    auto* seen = reinterpret_cast<BoxSeen*>(param);
    if (lstrcmpiA(className, "Button") == 0) ++seen->buttons;
    if (lstrcmpiA(className, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON &&
        SendMessageA(child, STM_GETICON, 0, 0) != 0)
        seen->icon = true;
    return TRUE;
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND window = reinterpret_cast<HWND>(wParam);
        char caption[64] = {};
        GetWindowTextA(window, caption, sizeof caption);
        if (lstrcmpA(caption, kBoxCaption) == 0) {
            ++g_seen.boxes;
            g_seen.owner = GetWindow(window, GW_OWNER);
            g_seen.buttons = 0;
            g_seen.icon = false;
            EnumChildWindows(window, CountChild, reinterpret_cast<LPARAM>(&g_seen));
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class BoxHook {
public:
    BoxHook() : hook_(SetWindowsHookExA(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId()))
    {
        g_seen = BoxSeen();
    }
    ~BoxHook() { UnhookWindowsHookEx(hook_); }
    BoxHook(const BoxHook&) = delete;
    BoxHook& operator=(const BoxHook&) = delete;
    bool Installed() const { return hook_ != nullptr; }

private:
    HHOOK hook_;
};

class LanguageHandshake : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(library_.Loaded()) << "cannot load " BIN_DIR "\\kl4_lang.dll";
        init_ = library_.Entry<InitFunction>("OrvaLanguageInit");
        exit_ = library_.Entry<ExitFunction>("OrvaLanguageExit");
        ASSERT_NE(init_, nullptr);
        ASSERT_NE(exit_, nullptr);
    }

    LanguageModule library_;
    InitFunction init_ = nullptr;
    ExitFunction exit_ = nullptr;
};

TEST_F(LanguageHandshake, AcceptsVersion400WithoutABox)
{
    MessageBoxWatcher watcher(kBoxCaption);
    BoxHook hook;
    ASSERT_TRUE(hook.Installed());
    LanguageInitValues values = {kUntouched1, kUntouched2};

    EXPECT_EQ(init_(0, nullptr, 400, &values), 1);
    EXPECT_EQ(values.first, 1);
    EXPECT_EQ(values.second, 0);
    // A box would have blocked the call until the watcher closed it.
    EXPECT_TRUE(watcher.Texts().empty());
    EXPECT_EQ(g_seen.boxes, 0);
}

TEST_F(LanguageHandshake, RefusesEveryOtherVersionWithOneBox)
{
    for (INT32 version : {0, 399, 401, 4, -400}) {
        SCOPED_TRACE("version " + std::to_string(version));
        MessageBoxWatcher watcher(kBoxCaption);
        BoxHook hook;
        ASSERT_TRUE(hook.Installed());
        LanguageInitValues values = {kUntouched1, kUntouched2};

        EXPECT_EQ(init_(0, nullptr, version, &values), 0);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{kBoxText});
        EXPECT_EQ(values.first, kUntouched1);
        EXPECT_EQ(values.second, kUntouched2);
        // Without an owner the box stands alone; MB_OK: one button, no icon.
        EXPECT_EQ(g_seen.boxes, 1);
        EXPECT_EQ(g_seen.owner, nullptr);
        EXPECT_EQ(g_seen.buttons, 1);
        EXPECT_FALSE(g_seen.icon);
    }
}

TEST_F(LanguageHandshake, FirstArgumentChangesNothing)
{
    for (INT32 first : {0, 1, -1, 400, 0x7FFFFFFF}) {
        SCOPED_TRACE("first argument " + std::to_string(first));
        MessageBoxWatcher watcher(kBoxCaption);
        LanguageInitValues values = {kUntouched1, kUntouched2};
        EXPECT_EQ(init_(first, nullptr, 400, &values), 1);
        EXPECT_EQ(values.first, 1);
        EXPECT_EQ(values.second, 0);
        EXPECT_TRUE(watcher.Texts().empty());

        values = {kUntouched1, kUntouched2};
        EXPECT_EQ(init_(first, nullptr, 401, &values), 0);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{kBoxText});
        EXPECT_EQ(values.first, kUntouched1);
        EXPECT_EQ(values.second, kUntouched2);
    }
}

TEST_F(LanguageHandshake, RefusalBoxBelongsToTheGivenOwner)
{
    HWND owner = CreateWindowExA(0, "STATIC", "Installer", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    {
        MessageBoxWatcher watcher(kBoxCaption);
        BoxHook hook;
        ASSERT_TRUE(hook.Installed());
        LanguageInitValues values = {kUntouched1, kUntouched2};

        EXPECT_EQ(init_(0, owner, 0, &values), 0);
        EXPECT_EQ(watcher.Texts(), std::vector<std::string>{kBoxText});
        EXPECT_EQ(g_seen.boxes, 1);
        EXPECT_EQ(g_seen.owner, owner);
        EXPECT_EQ(values.first, kUntouched1);
        EXPECT_EQ(values.second, kUntouched2);
    }
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST_F(LanguageHandshake, AcceptsTwiceInARow)
{
    for (int call = 0; call < 2; ++call) {
        LanguageInitValues values = {kUntouched1, kUntouched2};
        EXPECT_EQ(init_(0, nullptr, 400, &values), 1) << "call " << call;
        EXPECT_EQ(values.first, 1);
        EXPECT_EQ(values.second, 0);
    }
}

TEST_F(LanguageHandshake, AcceptedVersionWithoutARecordDoesNotCrash)
{
    MessageBoxWatcher watcher(kBoxCaption);
    EXPECT_EQ(init_(0, nullptr, 400, nullptr), 1);
    EXPECT_TRUE(watcher.Texts().empty());
}

TEST_F(LanguageHandshake, ExitAlwaysGivesOne)
{
    // Freshly loaded: no handshake made yet.
    EXPECT_EQ(exit_(), 1);
    LanguageInitValues values = {};
    EXPECT_EQ(init_(0, nullptr, 400, &values), 1);
    EXPECT_EQ(exit_(), 1);
    EXPECT_EQ(exit_(), 1);
    {
        MessageBoxWatcher watcher(kBoxCaption);
        EXPECT_EQ(init_(0, nullptr, 4, &values), 0);
    }
    EXPECT_EQ(exit_(), 1);
}

TEST_F(LanguageHandshake, TablesDoNotDependOnTheHandshake)
{
    const std::vector<std::string> before = AllTexts(library_);
    ASSERT_GT(before.size(), 150u);

    LanguageInitValues values = {kUntouched1, kUntouched2};
    {
        MessageBoxWatcher watcher(kBoxCaption);
        ASSERT_EQ(init_(0, nullptr, 399, &values), 0);
    }
    EXPECT_EQ(AllTexts(library_), before);

    ASSERT_EQ(init_(0, nullptr, 400, &values), 1);
    EXPECT_EQ(AllTexts(library_), before);
    ASSERT_EQ(exit_(), 1);
    EXPECT_EQ(AllTexts(library_), before);
}

// Calls OrvaLanguageInit with four pushed arguments and returns how many
// bytes of them are still on the stack when it returns: cdecl leaves all
// sixteen for the caller, stdcall would have removed them.
int StackBytesLeftByInit(InitFunction init, const INT32 (&arguments)[4], int* result)
{
    int left = 0;
    int scratch = 0;
    asm volatile(
        "movl %%esp, %%esi\n\t"
        "pushl 12(%%ecx)\n\t"
        "pushl 8(%%ecx)\n\t"
        "pushl 4(%%ecx)\n\t"
        "pushl (%%ecx)\n\t"
        "call *%%eax\n\t"
        "movl %%esi, %%edx\n\t"
        "subl %%esp, %%edx\n\t"
        "movl %%esi, %%esp\n\t"
        : "=a"(*result), "=d"(left), "=c"(scratch)
        : "a"(init), "c"(arguments)
        : "esi", "memory", "cc");
    return left;
}

TEST_F(LanguageHandshake, InitLeavesItsArgumentsToTheCaller)
{
    LanguageInitValues values = {kUntouched1, kUntouched2};
    const INT32 arguments[4] = {0, 0, 400, static_cast<INT32>(reinterpret_cast<INT_PTR>(&values))};
    int result = -1;
    EXPECT_EQ(StackBytesLeftByInit(init_, arguments, &result), 16);
    EXPECT_EQ(result, 1);
    EXPECT_EQ(values.first, 1);
    EXPECT_EQ(values.second, 0);
}

}  // namespace
