// Helpers for tests of windows and painting.
#pragma once

#include <windows.h>

#include <array>

// Dispatches the thread's messages until its queue is idle.
void PumpMessages();

// Sets system colours for the test and puts the old ones back afterwards.
class SysColorsGuard {
public:
    SysColorsGuard();
    ~SysColorsGuard();
    SysColorsGuard(const SysColorsGuard&) = delete;
    SysColorsGuard& operator=(const SysColorsGuard&) = delete;
    void Set(int index, COLORREF colour);

private:
    std::array<COLORREF, COLOR_MENUBAR + 1> saved_;
};
