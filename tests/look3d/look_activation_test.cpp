// Whether the look runs, by the Windows version Wine reports to this program
// (the program runs under one file name per version).
#include "tests/look3d/look_fixture.h"

#include <string>

using namespace look3d;

namespace {

struct Expectation {
    const char* suffix;
    WORD winVersion;
    bool active;
    bool hookable;
};

const Expectation kExpectations[] = {
    {"_nt351.exe", 0x0333, true, true},
    {"_win31.exe", 0x030A, true, true},
    {"_win95.exe", 0x0300, true, false},  // GetVersion 0xC0000004: bit 31, minor 0
    {"_win10.exe", 0x0602, false, false},  // programs without a manifest are told 6.2
};

const Expectation* ThisRun()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string name = path;
    for (const Expectation& e : kExpectations) {
        const std::string suffix = e.suffix;
        if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            return &e;
    }
    return nullptr;
}

using LookActivation = LookTest;

TEST_F(LookActivation, FollowsTheReportedWindowsVersion)
{
    const Expectation* expected = ThisRun();
    ASSERT_NE(expected, nullptr) << "run under a name ending in a version";
    colors_.Set(COLOR_BTNHIGHLIGHT, RGB(200, 210, 220));

    EXPECT_EQ(C3dAttach(TestInstance()) != 0, expected->active);
    EXPECT_EQ(winVersion, expected->winVersion);
    EXPECT_EQ(C3dIsActive() != 0, expected->active);
    EXPECT_EQ(C3dHookThread(TestInstance()) != 0, expected->hookable);
    if (!expected->active) {
        EXPECT_EQ(c3dAtom, 0) << "no atom below the version test";
        EXPECT_EQ(brFace, nullptr);
        return;
    }
    // Version 3.0 draws its highlight white whatever the system says.
    EXPECT_EQ(lookColors[clrHilite], winVersion == 0x0300 ? RGB(255, 255, 255) : RGB(200, 210, 220));
}

}  // namespace
