// Passing messages on from the control looks to the procedures beneath them.
#pragma once

#include <windows.h>

namespace look3d {

// Each thread remembers the window it passed a message on for last and that
// window's previous procedure: the messages of one painting come in a row
// for one window, and every property lookup is a round trip to the window
// manager. Called once at start-up; without it the memo is simply not used.
void InitPrevProcMemo();

LRESULT PassOn(HWND window, int row, UINT message, WPARAM wParam, LPARAM lParam);

// Before the look property goes: the memo must not outlive it.
void ForgetPrevProc(HWND window);

}  // namespace look3d
