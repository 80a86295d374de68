// Pictures of windows for the demo: what a window shows on the screen, saved
// as a 24-bit BMP file.
#pragma once

#include <windows.h>

// Dispatches the thread's messages until it has been idle for a while, so
// that what was changed is painted before a picture is taken.
void PumpUntilIdle();
bool SaveWindowImage(HWND window, const char* bmpPath);
