#include "tests/support/message_box_watcher.h"

#include <algorithm>

namespace {

struct TextSearch {
    std::string longest;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM param)
{
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") != 0) return TRUE;
    char text[2048] = {};
    GetWindowTextA(child, text, sizeof text);
    auto* search = reinterpret_cast<TextSearch*>(param);
    if (lstrlenA(text) > static_cast<int>(search->longest.size())) search->longest = text;
    return TRUE;
}

}  // namespace

std::string MessageBoxText(HWND box)
{
    TextSearch search;
    EnumChildWindows(box, VisitChild, reinterpret_cast<LPARAM>(&search));
    return search.longest;
}

MessageBoxWatcher::MessageBoxWatcher(std::string caption, std::function<void(HWND)> inspect)
    : caption_(std::move(caption)), inspect_(std::move(inspect))
{
    thread_ = std::thread([this] { Watch(); });
}

MessageBoxWatcher::~MessageBoxWatcher()
{
    stop_ = true;
    thread_.join();
}

std::vector<std::string> MessageBoxWatcher::Texts() const
{
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

bool MessageBoxWatcher::WaitForBoxes(size_t count, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (texts_.size() >= count) return true;
        }
        Sleep(10);
    }
    return false;
}

void MessageBoxWatcher::Watch()
{
    while (!stop_) {
        EnumWindows(VisitWindow, reinterpret_cast<LPARAM>(this));
        Sleep(10);
    }
}

BOOL CALLBACK MessageBoxWatcher::VisitWindow(HWND window, LPARAM param)
{
    auto* self = reinterpret_cast<MessageBoxWatcher*>(param);
    char className[32] = {};
    char caption[256] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    GetWindowTextA(window, caption, sizeof caption);
    HWND ok = GetDlgItem(window, IDOK);
    if (self->caption_ != caption || !ok) return TRUE;
    {
        std::lock_guard<std::mutex> lock(self->mutex_);
        if (std::find(self->dismissed_.begin(), self->dismissed_.end(), window) != self->dismissed_.end())
            return TRUE;
        self->dismissed_.push_back(window);
        self->texts_.push_back(MessageBoxText(window));
    }
    if (self->inspect_) self->inspect_(window);
    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    return TRUE;
}
