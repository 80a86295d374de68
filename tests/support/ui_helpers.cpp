#include "tests/support/ui_helpers.h"

void PumpMessages()
{
    MSG msg;
    for (int idleRounds = 0; idleRounds < 3; ++idleRounds) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            idleRounds = 0;
        }
        Sleep(1);
    }
}

SysColorsGuard::SysColorsGuard()
{
    for (size_t i = 0; i < saved_.size(); ++i) saved_[i] = GetSysColor(static_cast<int>(i));
}

SysColorsGuard::~SysColorsGuard()
{
    std::array<int, COLOR_MENUBAR + 1> indexes;
    for (size_t i = 0; i < indexes.size(); ++i) indexes[i] = static_cast<int>(i);
    SetSysColors(static_cast<int>(indexes.size()), indexes.data(), saved_.data());
}

void SysColorsGuard::Set(int index, COLORREF colour)
{
    SetSysColors(1, &index, &colour);
}
