// Micro-benchmarks of the look's hook and subclassing, run under a name that
// makes Wine report Windows NT 3.51:
//  - creating a dialog of 25 controls with and without the hook installed;
//  - asking again for a window that is already subclassed, against one
//    property lookup.
#include "look3d/c3d.h"
#include "look3d/look_state.h"

#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// A classic template of 25 controls of the kinds the look subclasses.
std::vector<WORD> Template()
{
    std::vector<WORD> t;
    auto word = [&](WORD w) { t.push_back(w); };
    auto text = [&](const wchar_t* s) {
        for (; *s; ++s) word(static_cast<WORD>(*s));
        word(0);
    };
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    word(LOWORD(style)), word(HIWORD(style)), word(0), word(0), word(25);
    word(0), word(0), word(300), word(200), word(0), word(0);
    text(L"Bench");
    word(8);
    text(L"MS Sans Serif");
    const struct {
        WORD atom;
        DWORD style;
    } kinds[] = {{0x80, BS_PUSHBUTTON}, {0x80, BS_AUTOCHECKBOX}, {0x81, WS_BORDER}, {0x82, SS_LEFT},
                 {0x83, WS_BORDER | WS_VSCROLL}};
    for (int i = 0; i < 25; ++i) {
        if (t.size() % 2) word(0);
        const DWORD s = WS_CHILD | WS_VISIBLE | kinds[i % 5].style;
        word(LOWORD(s)), word(HIWORD(s)), word(0), word(0);
        word(static_cast<WORD>(5 + (i / 5) * 58)), word(static_cast<WORD>(5 + (i % 5) * 30)), word(50), word(24);
        word(static_cast<WORD>(100 + i));
        word(0xFFFF), word(kinds[i % 5].atom);
        text(L"Text");
        word(0);
    }
    return t;
}

INT_PTR CALLBACK Plain(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

double CreateDialogs(const std::vector<WORD>& t, int count)
{
    const double start = Now();
    for (int i = 0; i < count; ++i) {
        HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr),
                                                 reinterpret_cast<const DLGTEMPLATE*>(t.data()), nullptr, Plain, 0);
        DestroyWindow(dialog);
    }
    return (Now() - start) / count;
}

}  // namespace

int main()
{
    if (!C3dAttach(GetModuleHandleA(nullptr))) {
        std::printf("the look is not active here (run as bench_look_nt351.exe)\n");
        return 1;
    }
    CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    const std::vector<WORD> t = Template();
    const int rounds = 200;
    CreateDialogs(t, 20);  // warm up
    const double plain = CreateDialogs(t, rounds);
    C3dHookThread(GetModuleHandleA(nullptr));
    const double hooked = CreateDialogs(t, rounds);
    std::printf("25-control dialog: %.3f ms without the hook, %.3f ms with it (ratio %.2f)\n", plain, hooked,
                hooked / plain);

    HWND button = CreateWindowExA(0, "Button", "x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    C3dSubclassControl(button);
    const int asks = 200000;
    double start = Now();
    for (int i = 0; i < asks; ++i) C3dSubclassControl(button);
    const double again = (Now() - start) * 1e6 / asks;
    start = Now();
    for (int i = 0; i < asks; ++i) GetPropA(button, MAKEINTATOM(look3d::c3dAtom));
    const double lookup = (Now() - start) * 1e6 / asks;
    std::printf("subclassing a done window again: %.0f ns; one property lookup: %.0f ns (ratio %.2f)\n", again,
                lookup, again / lookup);
    return 0;
}
