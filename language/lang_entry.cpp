// Entry point and version handshake of the language library.
#include "language/language_library.h"

// The library is all data; loading and unloading need nothing done.
BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

extern "C" int __cdecl OrvaLanguageInit(INT32, HWND owner, INT32 version, LanguageInitValues* values)
{
    if (version != LANGUAGE_INTERFACE_VERSION) {
        MessageBoxA(owner, "Inkompatible Sprachbibliothek", "KL4_LANG.DLL", MB_OK);
        return 0;
    }
    // A caller without a record still learns the version is right; writing
    // through a null pointer would only crash it.
    if (values) {
        values->second = 0;
        values->first = 1;
    }
    return 1;
}

extern "C" int __cdecl OrvaLanguageExit()
{
    return 1;
}
