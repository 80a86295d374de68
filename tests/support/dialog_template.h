// Builds classic dialog templates in memory, for dialogs with exactly the
// controls a test needs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class DialogTemplate {
public:
    DialogTemplate(DWORD style, short x, short y, short cx, short cy, const std::string& caption = "");
    // Adds a control of a named class ("Button", "Edit", ...).
    DialogTemplate& Add(const std::string& className, DWORD style, WORD id, short x, short y, short cx, short cy,
                        const std::string& text = "");
    const DLGTEMPLATE* Get();

    HWND Create(DLGPROC procedure, HWND owner = nullptr, LPARAM init = 0);

private:
    void Word(WORD value);
    void Text(const std::string& text);
    void Align();

    std::vector<WORD> items_;
    std::vector<WORD> data_;
    WORD count_ = 0;
    DWORD style_;
    short x_, y_, cx_, cy_;
    std::string caption_;
};

// A dialog procedure that handles nothing.
INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM);
