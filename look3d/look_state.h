// State of the look, shared by its modules. Written only by look_state.cpp
// and hook_table.cpp; everything else reads it.
#pragma once

#include <windows.h>

namespace look3d {

// Colour slots, addressed by number by the edge drawer.
enum LookColor : WORD {
    clrHilite,
    clrFace,
    clrShadow,
    clrText,
    clrWindow,
    clrWindowText,
    clrGrayText,
    clrFrame,
    LOOK_COLOR_COUNT
};

constexpr int CHECK_BITMAP_ID = 26567;
constexpr WORD LOOK_VERSION = 0x0205;
constexpr WORD WINVER_HOOKS = 0x030A;   // threads may be hooked from here on
constexpr WORD WINVER_NATIVE_3D = 0x0400;  // the system draws its own look
constexpr int MAX_HOOKED_THREADS = 4;
constexpr int LOOK_CLASS_COUNT = 6;

struct ClassProcs {
    WNDPROC lookProc;
    WNDPROC origProc;
};

struct HookEntry {
    HINSTANCE instance;
    DWORD threadId;
    HHOOK hook;
};

extern BOOL lookActive;
extern LONG attachCount;
extern ATOM c3dAtom;
extern HINSTANCE moduleInstance;
extern WORD winVersion;
extern COLORREF lookColors[LOOK_COLOR_COUNT];
extern HBRUSH brHilite, brFace, brShadow;
extern HBITMAP bmpChecks;
extern BYTE dbcsEnabled;
extern BYTE mnemonicPrefix;
extern int cxDlgFrame, cyDlgFrame, cyCaption;
extern ClassProcs classProcs[LOOK_CLASS_COUNT];

extern HookEntry hookTable[MAX_HOOKED_THREADS];
extern int hookCount;
extern DWORD hookCacheThread;
extern int hookCacheIndex;

// Windows version word of a GetVersion value: 0xMMmm.
WORD VersionWord(DWORD getVersion);

BOOL C3dProcessAttach(HINSTANCE instance, DWORD reason, LPVOID reserved);
BOOL C3dStartup();
BOOL UpdateLookColors(BOOL force);
HBITMAP LoadCheckBitmap(HINSTANCE module, int id, COLORREF windowText, COLORREF face,
                        COLORREF shadow, COLORREF hilite, COLORREF window, COLORREF frame);
void FreeLookObjects();
void C3dShutdown();

// Hook table: removes the first entry of the instance, keeping the cache valid.
void RemoveHookOfInstance(HINSTANCE instance);
// The hooked thread's entry, through the cache; nullptr for a thread without one.
const HookEntry* FindHookOfThread(DWORD threadId);
LRESULT CALLBACK LookCbtHook(int code, WPARAM wParam, LPARAM lParam);

// Captures the system class procedures and installs the look procedures of
// the class table (start-up), or drops the look procedures (shutdown).
void CaptureClassProcs();
void DropClassProcs();

}  // namespace look3d
