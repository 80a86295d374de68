// Tiny owners of device contexts and of the state changed in them: whatever
// code takes a context, selects an object or sets a colour gives it back when
// the guard leaves scope.
#pragma once

#include <windows.h>

// GetDC or GetWindowDC, released with ReleaseDC.
class WindowDC {
public:
    static WindowDC Client(HWND window) { return WindowDC(window, GetDC(window)); }
    static WindowDC Whole(HWND window) { return WindowDC(window, GetWindowDC(window)); }
    WindowDC(WindowDC&& other) noexcept : window_(other.window_), dc_(other.dc_) { other.dc_ = nullptr; }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC() { if (dc_) ReleaseDC(window_, dc_); }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    WindowDC(HWND window, HDC dc) : window_(window), dc_(dc) {}
    HWND window_;
    HDC dc_;
};

// BeginPaint, ended with EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(window_, &ps_); }
    operator HDC() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT ps_;
    HDC dc_;
};

// CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC() { if (dc_) DeleteDC(dc_); }
    operator HDC() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// SelectObject, undone by selecting the previous object back. Selecting a null
// object changes nothing and restores nothing.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    ~SelectGuard() { if (previous_) SelectObject(dc_, previous_); }
    explicit operator bool() const { return previous_ != nullptr; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// SetTextColor, restored on leaving scope.
class TextColorGuard {
public:
    TextColorGuard(HDC dc, COLORREF colour) : dc_(dc), previous_(SetTextColor(dc, colour)) {}
    TextColorGuard(const TextColorGuard&) = delete;
    TextColorGuard& operator=(const TextColorGuard&) = delete;
    ~TextColorGuard() { SetTextColor(dc_, previous_); }

private:
    HDC dc_;
    COLORREF previous_;
};

// SetBkColor, restored on leaving scope.
class BkColorGuard {
public:
    BkColorGuard(HDC dc, COLORREF colour) : dc_(dc), previous_(SetBkColor(dc, colour)) {}
    BkColorGuard(const BkColorGuard&) = delete;
    BkColorGuard& operator=(const BkColorGuard&) = delete;
    ~BkColorGuard() { SetBkColor(dc_, previous_); }

private:
    HDC dc_;
    COLORREF previous_;
};

// SetBkMode, restored on leaving scope.
class BkModeGuard {
public:
    BkModeGuard(HDC dc, int mode) : dc_(dc), previous_(SetBkMode(dc, mode)) {}
    BkModeGuard(const BkModeGuard&) = delete;
    BkModeGuard& operator=(const BkModeGuard&) = delete;
    ~BkModeGuard() { if (previous_) SetBkMode(dc_, previous_); }

private:
    HDC dc_;
    int previous_;
};

// SaveDC, undone with RestoreDC: gives a context that someone else lent us
// back with its clipping and colours as they were.
class SavedDCState {
public:
    explicit SavedDCState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    SavedDCState(const SavedDCState&) = delete;
    SavedDCState& operator=(const SavedDCState&) = delete;
    ~SavedDCState() { if (saved_) RestoreDC(dc_, saved_); }

private:
    HDC dc_;
    int saved_;
};
