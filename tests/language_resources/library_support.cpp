#include "tests/language_resources/library_support.h"

namespace templates {

HMODULE Library()
{
    static HMODULE library = LoadLibraryA(BIN_DIR "\\kl4_lang.dll");
    return library;
}

void EnsureFirstTopLevelWindow()
{
    static HWND window = CreateWindowExA(0, "Static", "first top-level window", WS_POPUP, 0, 0, 10, 10, nullptr,
                                         nullptr, GetModuleHandleA(nullptr), nullptr);
    (void)window;
}

namespace {

class Cursor {
public:
    Cursor(const BYTE* data, size_t size) : p_(data), end_(data + size) {}
    bool Ok() const { return ok_; }
    WORD Word()
    {
        if (end_ - p_ < 2) return Fail();
        WORD w;
        CopyMemory(&w, p_, 2);
        p_ += 2;
        return w;
    }
    DWORD Dword() { const WORD low = Word(); return low | (static_cast<DWORD>(Word()) << 16); }
    short Short() { return static_cast<short>(Word()); }
    std::wstring String()
    {
        std::wstring s;
        for (WORD c = Word(); ok_ && c != 0; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    // A name or an ordinal: 0xFFFF and a number, or a string.
    void NameOrOrdinal(std::wstring* name, WORD* ordinal)
    {
        *ordinal = 0;
        name->clear();
        const WORD first = Word();
        if (first == 0xFFFF) {
            *ordinal = Word();
        } else if (first != 0) {
            *name = static_cast<wchar_t>(first);
            *name += String();
        }
    }
    void AlignDword(const BYTE* base)
    {
        while ((p_ - base) % 4 != 0 && p_ < end_) ++p_;
    }
    void Skip(size_t n)
    {
        if (static_cast<size_t>(end_ - p_) < n) {
            ok_ = false;
            p_ = end_;
        } else {
            p_ += n;
        }
    }

private:
    WORD Fail()
    {
        ok_ = false;
        return 0;
    }
    const BYTE* p_;
    const BYTE* end_;
    bool ok_ = true;
};

std::string ClassName(const std::wstring& name, WORD ordinal)
{
    switch (ordinal) {
    case 0: return std::string(name.begin(), name.end());
    case 0x80: return "Button";
    case 0x81: return "Edit";
    case 0x82: return "Static";
    case 0x83: return "ListBox";
    case 0x84: return "ScrollBar";
    case 0x85: return "ComboBox";
    default: return "#" + std::to_string(ordinal);
    }
}

}  // namespace

bool ReadDialogTemplate(HMODULE module, const char* name, TemplateData* out)
{
    HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(5));  // RT_DIALOG
    if (!info) return false;
    HGLOBAL loaded = LoadResource(module, info);
    const auto* base = static_cast<const BYTE*>(LockResource(loaded));
    if (!base) return false;
    Cursor in(base, SizeofResource(module, info));

    *out = TemplateData{};
    out->style = in.Dword();
    if (LOWORD(out->style) == 1 && HIWORD(out->style) == 0xFFFF) {
        out->extended = true;
        return false;
    }
    out->exStyle = in.Dword();
    const WORD count = in.Word();
    out->x = in.Short();
    out->y = in.Short();
    out->cx = in.Short();
    out->cy = in.Short();
    std::wstring text;
    WORD ordinal;
    in.NameOrOrdinal(&text, &ordinal);
    out->hasMenu = !text.empty() || ordinal != 0;
    in.NameOrOrdinal(&text, &ordinal);
    out->hasClass = !text.empty() || ordinal != 0;
    out->caption = in.String();
    if (out->style & DS_SETFONT) {
        out->pointSize = in.Word();
        out->face = in.String();
    }
    for (WORD i = 0; i < count && in.Ok(); ++i) {
        in.AlignDword(base);
        ItemData item;
        item.style = in.Dword();
        item.exStyle = in.Dword();
        item.x = in.Short();
        item.y = in.Short();
        item.cx = in.Short();
        item.cy = in.Short();
        item.id = in.Word();
        in.NameOrOrdinal(&text, &ordinal);
        item.cls = ClassName(text, ordinal);
        in.NameOrOrdinal(&item.text, &item.textOrdinal);
        item.creationDataSize = in.Word();
        in.Skip(item.creationDataSize);
        out->items.push_back(item);
    }
    return in.Ok();
}

INT_PTR CALLBACK IdleDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

std::vector<HWND> ChildrenInOrder(HWND dialog)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

void PumpDialogMessages(HWND dialog)
{
    MSG msg;
    for (int idleRounds = 0; idleRounds < 3; ++idleRounds) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsDialogMessageA(dialog, &msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            idleRounds = 0;
        }
        Sleep(1);
    }
}

}  // namespace templates
