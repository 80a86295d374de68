// Finds message boxes by caption (in any process), records their texts and
// presses OK, from a thread of its own, so that code under test that blocks
// in MessageBox goes on without a person.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxWatcher {
public:
    // `inspect` runs on the watcher's thread for each box before it is dismissed.
    explicit MessageBoxWatcher(std::string caption, std::function<void(HWND)> inspect = nullptr);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // Texts of the boxes dismissed so far, in order.
    std::vector<std::string> Texts() const;
    // Waits until at least `count` boxes were dismissed; false on timeout.
    bool WaitForBoxes(size_t count, DWORD timeoutMs = 10000) const;

private:
    void Watch();
    static BOOL CALLBACK VisitWindow(HWND window, LPARAM self);

    std::string caption_;
    std::function<void(HWND)> inspect_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> texts_;
    std::vector<HWND> dismissed_;
    std::thread thread_;
};

// Text of a message box: its longest static text.
std::string MessageBoxText(HWND box);
