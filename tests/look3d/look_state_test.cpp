// Look state: start-up, colour set, recoloured bitmap, hook table, shutdown.
#include "tests/look3d/look_fixture.h"

#include <fstream>
#include <string>
#include <thread>
#include <vector>

using namespace look3d;

namespace {

TEST(VersionWord, MajorHighMinorLowAndBit31MeansMajorThree)
{
    const struct {
        DWORD getVersion;
        WORD word;
    } cases[] = {
        {0x04213303, 0x0333},  // NT 3.51
        {0x80000A03, 0x030A},  // 3.10 with bit 31
        {0xC0000004, 0x0300},  // bit 31 with minor 0
        {0x80001404, 0x0314},  // bit 31 keeps its own minor, major becomes 3
        {0x0000000A, 0x0A00},
        {0x1DB10106, 0x0601},
        {0x00000004, 0x0400},
    };
    for (const auto& c : cases) EXPECT_EQ(VersionWord(c.getVersion), c.word) << std::hex << c.getVersion;
}

using LookState = LookTest;

TEST_F(LookState, AttachStartsTheLookAndTheLastDetachShutsItDown)
{
    ASSERT_TRUE(C3dAttach(TestInstance()));
    EXPECT_TRUE(C3dIsActive());
    EXPECT_EQ(c3dAtom, GlobalFindAtomA("C3d"));
    EXPECT_NE(brHilite, nullptr);
    EXPECT_NE(brFace, nullptr);
    EXPECT_NE(brShadow, nullptr);
    EXPECT_NE(bmpChecks, nullptr);
    EXPECT_EQ(cxDlgFrame, GetSystemMetrics(SM_CXDLGFRAME) - 1);
    EXPECT_EQ(cyDlgFrame, GetSystemMetrics(SM_CYDLGFRAME) - 1);
    EXPECT_EQ(cyCaption, GetSystemMetrics(SM_CYCAPTION));
    const COLORREF expected[LOOK_COLOR_COUNT] = {kHilite, kFace, kShadow, kText, kWindow, kWindowText, kGrayText, kFrame};
    for (int slot = 0; slot < LOOK_COLOR_COUNT; ++slot) EXPECT_EQ(lookColors[slot], expected[slot]) << "slot " << slot;
    WNDCLASSA button{};
    GetClassInfoA(nullptr, "Button", &button);
    EXPECT_EQ(classProcs[0].origProc, button.lpfnWndProc);
    for (const ClassProcs& procs : classProcs) EXPECT_NE(procs.lookProc, nullptr);

    // A second attachment only counts.
    HBRUSH face = brFace;
    EXPECT_TRUE(C3dAttach(TestInstance()));
    EXPECT_EQ(brFace, face);
    C3dDetach(TestInstance());
    EXPECT_TRUE(C3dIsActive());

    EXPECT_TRUE(C3dDetach(TestInstance()));
    EXPECT_FALSE(C3dIsActive());
    EXPECT_EQ(brFace, nullptr);
    EXPECT_EQ(bmpChecks, nullptr);
    EXPECT_EQ(classProcs[0].lookProc, nullptr);
    EXPECT_EQ(classProcs[0].origProc, button.lpfnWndProc);
    EXPECT_FALSE(C3dRefreshColors());
    EXPECT_FALSE(C3dHookThread(TestInstance()));
}

TEST_F(LookState, FixedAnswersOfTheInterface)
{
    EXPECT_EQ(C3dVersion(), 0x0205);
    EXPECT_EQ(C3dReservedA(1, 2), 0);
    EXPECT_EQ(C3dReservedB(1, 2, 3), 0);
}

TEST_F(LookState, GreyTextIsMadeVisibleOnTheFace)
{
    const struct {
        COLORREF grayText, face, expected;
    } cases[] = {
        {RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192)},
        {RGB(192, 192, 192), RGB(192, 192, 192), RGB(128, 128, 128)},
        {RGB(0, 0, 0), RGB(192, 192, 192), RGB(128, 128, 128)},
        {RGB(128, 128, 128), RGB(192, 192, 192), RGB(128, 128, 128)},
        {RGB(128, 128, 128), RGB(128, 128, 128), RGB(192, 192, 192)},
        {RGB(1, 2, 3), RGB(128, 128, 128), RGB(1, 2, 3)},
    };
    ASSERT_TRUE(C3dAttach(TestInstance()));
    for (const auto& c : cases) {
        colors_.Set(COLOR_GRAYTEXT, c.grayText);
        colors_.Set(COLOR_BTNFACE, c.face);
        ASSERT_TRUE(C3dRefreshColors());
        EXPECT_EQ(lookColors[clrGrayText], c.expected) << std::hex << c.grayText << " on " << c.face;
    }
}

// Colour of each letter of the bitmap's picture after recolouring.
COLORREF LetterColour(char letter)
{
    switch (letter) {
    case 'K': return kWindowText;
    case 's': return kShadow;
    case 'f': return kFace;
    case 'F': return kFrame;
    case 'w': return kWindow;
    case 'h': return kHilite;
    default: return CLR_INVALID;
    }
}

std::vector<std::string> PicturePixels()
{
    std::ifstream picture(CHECKBOX_PICTURE);
    std::vector<std::string> rows;
    std::string line;
    bool pixels = false;
    while (std::getline(picture, line)) {
        if (pixels) {
            std::string row;
            for (char c : line)
                if (c != ' ') row += c;
            if (!row.empty()) rows.push_back(row);
        } else if (line == "pixels") {
            pixels = true;
        }
    }
    return rows;
}

TEST_F(LookState, CheckBitmapIsThePictureRecolouredToTheSlots)
{
    ASSERT_TRUE(C3dAttach(TestInstance()));
    BITMAP info{};
    ASSERT_TRUE(GetObjectA(bmpChecks, sizeof info, &info));
    ASSERT_EQ(info.bmWidth, 70);
    ASSERT_EQ(info.bmHeight, 39);

    const std::vector<std::string> rows = PicturePixels();
    ASSERT_EQ(rows.size(), 39u);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bmpChecks);
    int wrong = 0;
    for (int y = 0; y < 39; ++y)
        for (int x = 0; x < 70; ++x)
            if (GetPixel(memory, x, y) != LetterColour(rows[y][x]) && ++wrong < 5)
                ADD_FAILURE() << "pixel " << x << "," << y << " letter " << rows[y][x];
    EXPECT_EQ(wrong, 0);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(LookState, BlueFaceReachesThePaletteEntryOfTheFace)
{
    ASSERT_TRUE(C3dAttach(TestInstance()));
    colors_.Set(COLOR_BTNFACE, RGB(0, 0, 255));
    ASSERT_TRUE(C3dRefreshColors());
    LOGBRUSH brush{};
    GetObjectA(brFace, sizeof brush, &brush);
    EXPECT_EQ(brush.lbColor, RGB(0, 0, 255));
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bmpChecks);
    EXPECT_EQ(GetPixel(memory, 12, 0), RGB(0, 0, 255));   // face corner of the first cell
    EXPECT_EQ(GetPixel(memory, 30, 5), RGB(0, 0, 255));   // inside a pushed box
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(LookState, UnchangedColoursKeepTheSameObjectsAndOneChangedChannelRebuildsAll)
{
    ASSERT_TRUE(C3dAttach(TestInstance()));
    HBRUSH hilite = brHilite, face = brFace, shadow = brShadow;
    HBITMAP checks = bmpChecks;
    ASSERT_TRUE(C3dRefreshColors());
    EXPECT_EQ(brHilite, hilite);
    EXPECT_EQ(brFace, face);
    EXPECT_EQ(brShadow, shadow);
    EXPECT_EQ(bmpChecks, checks);

    colors_.Set(COLOR_WINDOWFRAME, RGB(0, 121, 40));
    ASSERT_TRUE(C3dRefreshColors());
    EXPECT_EQ(lookColors[clrFrame], RGB(0, 121, 40));
    EXPECT_NE(brHilite, hilite);
    EXPECT_NE(brFace, face);
    EXPECT_NE(brShadow, shadow);
    EXPECT_NE(bmpChecks, checks);
    EXPECT_EQ(GetObjectType(face), 0u) << "the old brush is deleted";
}

TEST_F(LookState, MissingBitmapLeavesTheLookInactiveAndIsNotRetried)
{
    // kernel32 carries no bitmap 26567.
    EXPECT_FALSE(C3dAttach(GetModuleHandleA("kernel32.dll")));
    EXPECT_FALSE(C3dIsActive());
    EXPECT_EQ(brFace, nullptr);
    EXPECT_FALSE(C3dAttach(TestInstance())) << "no new attempt while attached";
    EXPECT_TRUE(C3dDetach(TestInstance()));
    EXPECT_TRUE(C3dDetach(TestInstance()));
    EXPECT_TRUE(C3dAttach(TestInstance())) << "a new start-up once the count is back at 0";
}

TEST_F(LookState, FifthHookIsRefused)
{
    for (int i = 0; i < 4; ++i) ASSERT_TRUE(C3dAttach(TestInstance()));
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(C3dHookThread(TestInstance())) << i;
    EXPECT_FALSE(C3dHookThread(TestInstance()));
    EXPECT_EQ(hookCount, 4);
}

TEST_F(LookState, DetachRemovesTheEarliestEntryOfItsInstanceAndKeepsTheOrder)
{
    const HINSTANCE other = reinterpret_cast<HINSTANCE>(0x4000);
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(C3dAttach(TestInstance()));
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    ASSERT_TRUE(C3dHookThread(other));
    ASSERT_TRUE(C3dHookThread(TestInstance()));
    const HHOOK second = hookTable[1].hook, third = hookTable[2].hook;

    C3dDetach(TestInstance());
    ASSERT_EQ(hookCount, 2);
    EXPECT_EQ(hookTable[0].instance, other);
    EXPECT_EQ(hookTable[0].hook, second);
    EXPECT_EQ(hookTable[1].instance, TestInstance());
    EXPECT_EQ(hookTable[1].hook, third);
    EXPECT_EQ(hookCacheThread, GetCurrentThreadId());
    EXPECT_EQ(hookTable[hookCacheIndex].threadId, hookCacheThread);
    EXPECT_TRUE(C3dIsActive());

    C3dDetach(other);
    ASSERT_EQ(hookCount, 1);
    EXPECT_EQ(hookTable[0].hook, third);
}

// Records the CBT events that reach it, to show the look passes them on.
std::vector<int> cbtEvents;
HHOOK recordingHook;
LRESULT CALLBACK RecordingHook(int code, WPARAM wParam, LPARAM lParam)
{
    cbtEvents.push_back(code);
    return CallNextHookEx(recordingHook, code, wParam, lParam);
}

TEST_F(LookState, HookPassesEveryEventOnAndKeepsItsCacheValidAcrossDetach)
{
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(C3dAttach(TestInstance()));
    const HINSTANCE workerInstance = reinterpret_cast<HINSTANCE>(0x5000);
    ASSERT_TRUE(C3dHookThread(TestInstance()));

    // A second thread hooks itself; the cache then names it (entry 1).
    HANDLE go = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    HANDLE done = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    DWORD workerId = 0;
    bool workerSawItsEvent = false;
    std::thread worker([&] {
        workerId = GetCurrentThreadId();
        recordingHook = SetWindowsHookExA(WH_CBT, RecordingHook, nullptr, workerId);
        C3dHookThread(workerInstance);
        SetEvent(done);
        WaitForSingleObject(go, INFINITE);
        // After the main thread's entry went, the worker's entry moved to 0.
        HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        workerSawItsEvent = !cbtEvents.empty() && cbtEvents.front() == HCBT_CREATEWND;
        DestroyWindow(window);
        UnhookWindowsHookEx(recordingHook);
        SetEvent(done);
    });
    WaitForSingleObject(done, INFINITE);
    ASSERT_EQ(hookCount, 2);
    EXPECT_EQ(hookCacheThread, workerId);
    EXPECT_EQ(hookCacheIndex, 1);

    C3dDetach(TestInstance());
    ASSERT_EQ(hookCount, 1);
    EXPECT_TRUE(hookCacheThread == 0 || hookTable[hookCacheIndex].threadId == hookCacheThread);
    SetEvent(go);
    WaitForSingleObject(done, INFINITE);
    worker.join();
    EXPECT_TRUE(workerSawItsEvent) << "the look's hook passes the event on";
    EXPECT_EQ(hookCacheThread, workerId);
    EXPECT_EQ(hookCacheIndex, 0);

    // Removing the cached entry leaves no cache that names it.
    C3dDetach(workerInstance);
    EXPECT_EQ(hookCount, 0);
    EXPECT_EQ(hookCacheThread, 0u);
    EXPECT_EQ(LookCbtHook(HCBT_ACTIVATE, 0, 0), 0) << "a thread without entry passes nothing on";
    CloseHandle(go);
    CloseHandle(done);
}

// Double-byte label settings (run under code page 932 by look_state_test_cp932).
TEST_F(LookState, DoubleByteMenuSettingsChooseTheMnemonicPrefix)
{
    if (!GetSystemMetrics(SM_DBCSENABLED)) {
        ASSERT_TRUE(C3dAttach(TestInstance()));
        EXPECT_EQ(dbcsEnabled, 0);
        EXPECT_EQ(mnemonicPrefix, 0) << "untouched without double-byte support";
        GTEST_SKIP() << "no double-byte support in this run";
    }
    const struct {
        const char* kanjimenu;
        const char* hangeulmenu;
        BYTE prefix;
    } cases[] = {
        {nullptr, nullptr, 30},     {"KANJI", nullptr, 31},   {"kanji", nullptr, 31},
        {"roman", nullptr, 30},     {"kanjix", nullptr, 30},  {nullptr, "Hangeul", 31},
        {"roman", "english", 30},
    };
    ASSERT_TRUE(C3dAttach(TestInstance()));
    EXPECT_EQ(dbcsEnabled, 1);
    for (const auto& c : cases) {
        WriteProfileStringA("windows", "kanjimenu", c.kanjimenu);
        WriteProfileStringA("windows", "hangeulmenu", c.hangeulmenu);
        C3dRefreshSettings();
        EXPECT_EQ(mnemonicPrefix, c.prefix) << (c.kanjimenu ? c.kanjimenu : "-") << " "
                                            << (c.hangeulmenu ? c.hangeulmenu : "-");
    }
    WriteProfileStringA("windows", "kanjimenu", nullptr);
    WriteProfileStringA("windows", "hangeulmenu", nullptr);
}

}  // namespace
