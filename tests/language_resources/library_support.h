// Helpers of the tests of the language library's resources: the library
// module, a reader of classic dialog templates, and dialogs made from them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace templates {

// kl4_lang.dll of the build, loaded once for the whole test program.
HMODULE Library();

// Wine creates a hidden IME window after a thread's first top-level window;
// tests of dialog behaviour call this first so that window exists already.
void EnsureFirstTopLevelWindow();

struct ItemData {
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    WORD id = 0;
    std::string cls;      // class name; a predefined class stored by ordinal is named here
    std::wstring text;    // empty when the text is an ordinal
    WORD textOrdinal = 0; // non-zero when the text is an ordinal
    WORD creationDataSize = 0;
};

struct TemplateData {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    bool hasMenu = false;
    bool hasClass = false;
    std::wstring caption;
    WORD pointSize = 0;
    std::wstring face;
    std::vector<ItemData> items;
};

// Reads a classic dialog template resource of the module; false when there
// is none or it is the extended form.
bool ReadDialogTemplate(HMODULE module, const char* name, TemplateData* out);

// Owns a dialog window and destroys it when the test leaves its scope.
class DialogWindow {
public:
    explicit DialogWindow(HWND dialog) : dialog_(dialog) {}
    ~DialogWindow()
    {
        if (dialog_) DestroyWindow(dialog_);
    }
    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;
    operator HWND() const { return dialog_; }

private:
    HWND dialog_;
};

// A dialog procedure that handles nothing.
INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM);

// Children of a dialog in creation (template) order.
std::vector<HWND> ChildrenInOrder(HWND dialog);

// Dispatches the queue through the dialog manager of the dialog until idle.
void PumpDialogMessages(HWND dialog);

}  // namespace templates
