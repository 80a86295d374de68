// Look state: whether the look runs, its version word, colour set, brushes,
// recoloured check-box bitmap and double-byte label settings.
#include "look3d/c3d.h"
#include "look3d/gdi_guards.h"
#include "look3d/look_state.h"

#include <cstring>
#include <initializer_list>

namespace look3d {

BOOL lookActive;
LONG attachCount;
ATOM c3dAtom;
HINSTANCE moduleInstance;
WORD winVersion;
COLORREF lookColors[LOOK_COLOR_COUNT];
HBRUSH brHilite, brFace, brShadow;
HBITMAP bmpChecks;
BYTE dbcsEnabled;
BYTE mnemonicPrefix;
int cxDlgFrame, cyDlgFrame, cyCaption;
ClassProcs classProcs[LOOK_CLASS_COUNT];

namespace {

constexpr int kSystemColorOfSlot[LOOK_COLOR_COUNT] = {
    COLOR_BTNHIGHLIGHT, COLOR_BTNFACE, COLOR_BTNSHADOW, COLOR_BTNTEXT,
    COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_GRAYTEXT, COLOR_WINDOWFRAME,
};

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kLightGrey = RGB(192, 192, 192);
constexpr COLORREF kDarkGrey = RGB(128, 128, 128);

// Layout of the packed check-box DIB.
constexpr size_t kPaletteOffset = sizeof(BITMAPINFOHEADER);
constexpr size_t kPixelOffset = kPaletteOffset + 16 * sizeof(RGBQUAD);

void SetPaletteEntry(BYTE* dib, int entry, COLORREF colour)
{
    RGBQUAD* quad = reinterpret_cast<RGBQUAD*>(dib + kPaletteOffset) + entry;
    quad->rgbBlue = GetBValue(colour);
    quad->rgbGreen = GetGValue(colour);
    quad->rgbRed = GetRValue(colour);
    quad->rgbReserved = 0;
}

void DeleteIfAny(HGDIOBJ object)
{
    if (object) DeleteObject(object);
}

}  // namespace

WORD VersionWord(DWORD v)
{
    const WORD minor = static_cast<WORD>((v >> 8) & 0xFF);
    if (v & 0x80000000u) return static_cast<WORD>(0x0300 | minor);
    return static_cast<WORD>(((v & 0xFF) << 8) | minor);
}

BOOL C3dProcessAttach(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    moduleInstance = instance;
    winVersion = VersionWord(GetVersion());
    cxDlgFrame = GetSystemMetrics(SM_CXDLGFRAME) - 1;
    cyDlgFrame = GetSystemMetrics(SM_CYDLGFRAME) - 1;
    cyCaption = GetSystemMetrics(SM_CYCAPTION);
    return TRUE;
}

BOOL C3dStartup()
{
    if (winVersion >= WINVER_NATIVE_3D) {
        lookActive = FALSE;
        return FALSE;
    }
    {
        WindowDC screen = WindowDC::Client(nullptr);
        lookActive = GetDeviceCaps(screen, PLANES) * GetDeviceCaps(screen, BITSPIXEL) >= 4;
    }
    // EGA resolution: too coarse for one-pixel edges.
    if (GetSystemMetrics(SM_CYSCREEN) == 350 && GetSystemMetrics(SM_CXSCREEN) == 640) lookActive = FALSE;
    if (!lookActive) return FALSE;

    c3dAtom = GlobalAddAtomA("C3d");
    if (!c3dAtom) {
        lookActive = FALSE;
        return FALSE;
    }
    dbcsEnabled = static_cast<BYTE>(GetSystemMetrics(SM_DBCSENABLED));
    C3dRefreshSettings();
    if (!UpdateLookColors(TRUE)) {
        lookActive = FALSE;
        return FALSE;
    }
    CaptureClassProcs();
    return TRUE;
}

BOOL UpdateLookColors(BOOL force)
{
    if (!lookActive) return FALSE;

    COLORREF colors[LOOK_COLOR_COUNT];
    for (int slot = 0; slot < LOOK_COLOR_COUNT; ++slot) colors[slot] = GetSysColor(kSystemColorOfSlot[slot]);
    if (winVersion == 0x0300) colors[clrHilite] = kWhite;
    // Grey text must stay visible on the face.
    if (colors[clrGrayText] == 0 || colors[clrGrayText] == colors[clrFace])
        colors[clrGrayText] = colors[clrFace] == kDarkGrey ? kLightGrey : kDarkGrey;

    if (!force && std::memcmp(colors, lookColors, sizeof colors) == 0) return TRUE;

    HBITMAP bitmap = LoadCheckBitmap(moduleInstance, CHECK_BITMAP_ID, colors[clrWindowText], colors[clrFace],
                                     colors[clrShadow], colors[clrHilite], colors[clrWindow], colors[clrFrame]);
    HBRUSH hilite = CreateSolidBrush(colors[clrHilite]);
    HBRUSH face = CreateSolidBrush(colors[clrFace]);
    HBRUSH shadow = CreateSolidBrush(colors[clrShadow]);
    if (!bitmap || !hilite || !face || !shadow) {
        DeleteIfAny(bitmap);
        DeleteIfAny(hilite);
        DeleteIfAny(face);
        DeleteIfAny(shadow);
        return FALSE;
    }

    FreeLookObjects();
    brHilite = hilite;
    brFace = face;
    brShadow = shadow;
    std::memcpy(lookColors, colors, sizeof colors);
    bmpChecks = bitmap;
    return TRUE;
}

HBITMAP LoadCheckBitmap(HINSTANCE module, int id, COLORREF windowText, COLORREF face, COLORREF shadow,
                        COLORREF hilite, COLORREF window, COLORREF frame)
{
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), RT_BITMAP);
    if (!info) return nullptr;
    const DWORD size = SizeofResource(module, info);
    HGLOBAL resource = LoadResource(module, info);
    const void* data = resource ? LockResource(resource) : nullptr;
    if (!data || size < kPixelOffset) return nullptr;

    // The resource is read-only: recolour a copy.
    BYTE* dib = static_cast<BYTE*>(GlobalAlloc(GPTR, size));
    if (!dib) return nullptr;
    std::memcpy(dib, data, size);
    SetPaletteEntry(dib, 0, windowText);
    SetPaletteEntry(dib, 7, shadow);
    SetPaletteEntry(dib, 8, face);
    SetPaletteEntry(dib, 10, frame);
    SetPaletteEntry(dib, 11, window);
    SetPaletteEntry(dib, 15, hilite);

    HBITMAP bitmap;
    {
        WindowDC screen = WindowDC::Client(nullptr);
        bitmap = CreateDIBitmap(screen, reinterpret_cast<BITMAPINFOHEADER*>(dib), CBM_INIT, dib + kPixelOffset,
                                reinterpret_cast<BITMAPINFO*>(dib), DIB_RGB_COLORS);
    }
    GlobalFree(dib);
    return bitmap;
}

void FreeLookObjects()
{
    for (HBRUSH* brush : {&brHilite, &brFace, &brShadow}) {
        if (*brush) DeleteObject(*brush);
        *brush = nullptr;
    }
    if (bmpChecks) DeleteObject(bmpChecks);
    bmpChecks = nullptr;
}

void C3dShutdown()
{
    DropClassProcs();
    FreeLookObjects();
    lookActive = FALSE;
}

}  // namespace look3d

using namespace look3d;

BOOL C3dAttach(HINSTANCE instance)
{
    if (++attachCount != 1) return lookActive;
    C3dProcessAttach(instance, DLL_PROCESS_ATTACH, nullptr);
    return C3dStartup();
}

BOOL C3dDetach(HINSTANCE instance)
{
    RemoveHookOfInstance(instance);
    if (--attachCount == 0) C3dShutdown();
    return TRUE;
}

BOOL C3dIsActive()
{
    return lookActive;
}

WORD C3dVersion()
{
    return LOOK_VERSION;
}

BOOL C3dRefreshColors()
{
    return UpdateLookColors(FALSE);
}

void C3dRefreshSettings()
{
    if (!dbcsEnabled) return;
    mnemonicPrefix = 30;
    char value[9];
    GetProfileStringA("windows", "kanjimenu", "roman", value, sizeof value);
    if (lstrcmpiA(value, "kanji") == 0) mnemonicPrefix = 31;
    GetProfileStringA("windows", "hangeulmenu", "english", value, sizeof value);
    if (lstrcmpiA(value, "hangeul") == 0) mnemonicPrefix = 31;
}

BOOL C3dReservedA(DWORD, DWORD)
{
    return FALSE;
}

WORD C3dReservedB(DWORD, DWORD, DWORD)
{
    return 0;
}
