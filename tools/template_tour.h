// Shows every dialog template of the language library in turn and saves a
// picture of each as <folder>\<TEMPLATE>.bmp.
#pragma once

#include <windows.h>

void TourTemplates(HMODULE library, const char* folder);
