// Interface of the language library kl4_lang.dll as the installer sees it.
#pragma once

#include <windows.h>

constexpr int LANGUAGE_INTERFACE_VERSION = 400;

// Filled by OrvaLanguageInit when it accepts the interface version.
struct LanguageInitValues {
    INT32 first;
    INT32 second;
};

extern "C" {

int __cdecl OrvaLanguageInit(INT32 ignored, HWND owner, INT32 version, LanguageInitValues* values);
int __cdecl OrvaLanguageExit();

}
