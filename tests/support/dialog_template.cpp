#include "tests/support/dialog_template.h"

DialogTemplate::DialogTemplate(DWORD style, short x, short y, short cx, short cy, const std::string& caption)
    : style_(style), x_(x), y_(y), cx_(cx), cy_(cy), caption_(caption)
{
}

void DialogTemplate::Word(WORD value)
{
    data_.push_back(value);
}

void DialogTemplate::Text(const std::string& text)
{
    // Test texts are ASCII or code page 1252; widen them byte by byte for ASCII.
    wchar_t wide[512] = {};
    MultiByteToWideChar(1252, 0, text.c_str(), -1, wide, 512);
    for (const wchar_t* p = wide; *p; ++p) Word(static_cast<WORD>(*p));
    Word(0);
}

void DialogTemplate::Align()
{
    if (data_.size() % 2) Word(0);
}

DialogTemplate& DialogTemplate::Add(const std::string& className, DWORD style, WORD id, short x, short y, short cx,
                                    short cy, const std::string& text)
{
    std::vector<WORD> saved;
    saved.swap(data_);
    const DWORD fullStyle = style | WS_CHILD | WS_VISIBLE;
    Word(LOWORD(fullStyle));
    Word(HIWORD(fullStyle));
    Word(0);
    Word(0);  // no extended style
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Text(className);
    Text(text);
    Word(0);  // no creation data
    Align();
    items_.insert(items_.end(), data_.begin(), data_.end());
    data_.swap(saved);
    ++count_;
    return *this;
}

const DLGTEMPLATE* DialogTemplate::Get()
{
    data_.clear();
    const DWORD style = style_ | DS_SETFONT;
    Word(LOWORD(style));
    Word(HIWORD(style));
    Word(0);
    Word(0);
    Word(count_);
    Word(static_cast<WORD>(x_));
    Word(static_cast<WORD>(y_));
    Word(static_cast<WORD>(cx_));
    Word(static_cast<WORD>(cy_));
    Word(0);  // no menu
    Word(0);  // the dialog class
    Text(caption_);
    Word(8);
    Text("MS Sans Serif");
    Align();
    data_.insert(data_.end(), items_.begin(), items_.end());
    return reinterpret_cast<const DLGTEMPLATE*>(data_.data());
}

HWND DialogTemplate::Create(DLGPROC procedure, HWND owner, LPARAM init)
{
    return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), Get(), owner, procedure, init);
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}
