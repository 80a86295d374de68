#include "tests/look3d_paint/paint_fixture.h"

#include <fstream>
#include <sstream>

using namespace look3d;

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// An empty popup dialog template: style, no items, no menu, class or title.
struct EmptyTemplate {
    DLGTEMPLATE head;
    WORD menu, windowClass, title;
};

// Wine creates a hidden window after a thread's first top-level window; one
// made early keeps that out of the tests.
void WarmUpThread()
{
    static HWND first = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    (void)first;
}

WNDPROC recordedOriginal;

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SeenMessages().push_back({message, wParam, (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0});
    return CallWindowProcA(recordedOriginal, window, message, wParam, lParam);
}

}  // namespace

void RecordMessages(HWND window)
{
    recordedOriginal = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecorderProc)));
    SeenMessages().clear();
}

std::vector<SeenMessage>& SeenMessages()
{
    static std::vector<SeenMessage> seen;
    return seen;
}

bool Saw(UINT message)
{
    for (const SeenMessage& m : SeenMessages())
        if (m.message == message) return true;
    return false;
}

Picture::Picture(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    width_ = client.right;
    height_ = client.bottom;
    pixels_.resize(static_cast<size_t>(width_) * height_);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width_, height_);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = -height_;
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    GetDIBits(memory, bitmap, 0, height_, pixels_.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
}

COLORREF Picture::At(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    const DWORD bgr = pixels_[static_cast<size_t>(y) * width_ + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

const std::vector<std::string>& CheckBitmapMap()
{
    static const std::vector<std::string> rows = [] {
        std::vector<std::string> result;
        std::ifstream picture(CHECKBOX_PICTURE);
        std::string line;
        bool pixels = false;
        while (std::getline(picture, line)) {
            if (!pixels) {
                pixels = line == "pixels";
                continue;
            }
            std::string row;
            for (char c : line)
                if (c != ' ') row += c;
            if (!row.empty()) result.push_back(row);
        }
        return result;
    }();
    return rows;
}

COLORREF MapLetterColour(char letter)
{
    switch (letter) {
    case 'K': return Slot(clrWindowText);
    case 's': return Slot(clrShadow);
    case 'f': return Slot(clrFace);
    case 'F': return Slot(clrFrame);
    case 'w': return Slot(clrWindow);
    case 'h': return Slot(clrHilite);
    default: return CLR_INVALID;
    }
}

COLORREF Slot(LookColor slot)
{
    return lookColors[slot];
}

void Mark(HWND window, const RECT& r)
{
    HDC dc = GetDC(window);
    HBRUSH brush = CreateSolidBrush(kMarker);
    FillRect(dc, &r, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

SIZE TextExtent(HWND window, const char* text)
{
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    return size;
}

WORD RunVersion()
{
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string name = path;
    if (name.find("_win95.exe") != std::string::npos) return 0x0300;
    if (name.find("_win31.exe") != std::string::npos) return 0x030A;
    if (name.find("_nt351.exe") != std::string::npos) return 0x0333;
    return 0;
}

std::string Describe(const RECT& r)
{
    std::ostringstream out;
    out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
    return out.str();
}

void PaintTest::SetUp()
{
    LookTest::SetUp();
    ASSERT_TRUE(C3dAttach(TestInstance()));
    WarmUpThread();
    EmptyTemplate dialogTemplate{};
    dialogTemplate.head.style = WS_POPUP | WS_VISIBLE;
    dialogTemplate.head.cx = 200;
    dialogTemplate.head.cy = 150;
    dialog_ = CreateDialogIndirectParamA(TestInstance(), &dialogTemplate.head, nullptr, PlainDialogProc, 0);
    ASSERT_NE(dialog_, nullptr);
    SetWindowPos(dialog_, HWND_TOP, 20, 20, 400, 300, SWP_NOACTIVATE);
}

void PaintTest::TearDown()
{
    if (dialog_) DestroyWindow(dialog_);
    PumpMessages();
    LookTest::TearDown();
}

HWND PaintTest::Add(const char* className, const char* text, DWORD style, const RECT& at, int id)
{
    HWND control = CreateWindowExA(0, className, text, WS_CHILD | WS_VISIBLE | style, at.left, at.top,
                                   at.right - at.left, at.bottom - at.top, dialog_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), TestInstance(), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void PaintTest::ApplyLook()
{
    ASSERT_TRUE(C3dSubclassDialog(dialog_, LOOK_ALL));
    RedrawWindow(dialog_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    PumpMessages();
}

RECT PaintTest::PendingIn(HWND window) const
{
    RECT r{};
    if (!GetUpdateRect(window, &r, FALSE)) SetRectEmpty(&r);
    return r;
}

void PaintTest::ValidateAll() const
{
    RedrawWindow(dialog_, nullptr, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_ALLCHILDREN);
}
