// Common set-up of the look's tests: distinctive system colours, and the look
// detached completely after each test.
#pragma once

#include "look3d/c3d.h"
#include "look3d/look_state.h"
#include "tests/support/ui_helpers.h"

#include <gtest/gtest.h>

inline HINSTANCE TestInstance()
{
    return GetModuleHandleA(nullptr);
}

// Detaches until the look is shut down, whatever hooks are left.
inline void DetachAll()
{
    while (look3d::attachCount > 0) C3dDetach(TestInstance());
    while (look3d::hookCount > 0) C3dDetach(look3d::hookTable[0].instance);
}

// One distinctive colour per slot, so every pixel tells which slot painted it.
constexpr COLORREF kHilite = RGB(255, 250, 240);
constexpr COLORREF kFace = RGB(170, 180, 190);
constexpr COLORREF kShadow = RGB(90, 80, 70);
constexpr COLORREF kText = RGB(10, 20, 140);
constexpr COLORREF kWindow = RGB(250, 240, 160);
constexpr COLORREF kWindowText = RGB(130, 0, 60);
constexpr COLORREF kGrayText = RGB(110, 120, 100);
constexpr COLORREF kFrame = RGB(0, 120, 40);

class LookTest : public testing::Test {
protected:
    void SetUp() override
    {
        colors_.Set(COLOR_BTNHIGHLIGHT, kHilite);
        colors_.Set(COLOR_BTNFACE, kFace);
        colors_.Set(COLOR_BTNSHADOW, kShadow);
        colors_.Set(COLOR_BTNTEXT, kText);
        colors_.Set(COLOR_WINDOW, kWindow);
        colors_.Set(COLOR_WINDOWTEXT, kWindowText);
        colors_.Set(COLOR_GRAYTEXT, kGrayText);
        colors_.Set(COLOR_WINDOWFRAME, kFrame);
    }

    void TearDown() override
    {
        DetachAll();
    }

    SysColorsGuard colors_;
};

// The look attached, and the thread's first top-level window made: Wine adds
// an IME window right after it, which must not be taken for a window under test.
class AttachedLookTest : public LookTest {
protected:
    void SetUp() override
    {
        LookTest::SetUp();
        ASSERT_TRUE(C3dAttach(TestInstance()));
        first_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override
    {
        DestroyWindow(first_);
        LookTest::TearDown();
    }

    HWND first_ = nullptr;
};
