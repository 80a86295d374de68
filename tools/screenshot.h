// Saves what a window shows on the screen as a 24-bit BMP file.
#pragma once

#include <windows.h>

bool SaveWindowImage(HWND window, const char* bmpPath);
