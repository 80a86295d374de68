// A dialog with every kind of control the look paints, in every state, saved
// as a picture. Run as gallery_nt351.exe it shows the look; as
// gallery_win10.exe the look stays off and the system paints. Some controls
// are moved, resized and hidden before the picture, so that stale edges
// would show.
//
//   gallery <picture.bmp>      the picture
//   gallery --bench <repaints>  times repaints of the dialog with and without the look
#include "look3d/c3d.h"
#include "tools/screenshot.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Class atoms of dialog template items.
constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082, kListBox = 0x0083, kComboBox = 0x0085;

enum : WORD {
    IDC_PRESSED = 110,
    IDC_EMPTY = 119,
    IDC_CHECKED,
    IDC_INDETERMINATE,
    IDC_DISABLED_CHECKED,
    IDC_DISABLED_INDETERMINATE,
    IDC_RADIO_FIRST = 130,
    IDC_MULTILINE = 140,
    IDC_BOTH_SCROLLS,
    IDC_LIST,
    IDC_SIMPLE,
    IDC_DROPDOWN,
    IDC_DROPDOWNLIST,
    IDC_MOVED = 150,
    IDC_SHRUNK,
    IDC_HIDDEN,
    IDC_SHRUNK_LIST,
};

// Builds a DLGTEMPLATE with its items in memory.
class TemplateWriter {
public:
    TemplateWriter(DWORD style, short cx, short cy, const wchar_t* title)
    {
        Dword(style | DS_SETFONT);
        Dword(0);
        Word(0);  // item count, filled in by Add
        Word(0);
        Word(0);
        Word(static_cast<WORD>(cx));
        Word(static_cast<WORD>(cy));
        Word(0);  // no menu
        Word(0);  // the dialog class
        Text(title);
        Word(8);
        Text(L"MS Sans Serif");
    }

    void Add(WORD classAtom, const wchar_t* text, DWORD style, short x, short y, short cx, short cy, WORD id = 0xFFFF)
    {
        while (words_.size() % 2) words_.push_back(0);
        Dword(WS_CHILD | WS_VISIBLE | style);
        Dword(0);
        for (short v : {x, y, cx, cy}) Word(static_cast<WORD>(v));
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);  // no creation data
        ++words_[4];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d)
    {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const wchar_t* text)
    {
        for (const wchar_t* p = text; *p; ++p) Word(static_cast<WORD>(*p));
        Word(0);
    }

    std::vector<WORD> words_;
};

TemplateWriter GalleryTemplate()
{
    TemplateWriter t(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME, 344, 262,
                     L"Steuerelemente");
    t.Add(kButton, L"Schaltfl\u00e4chen", BS_GROUPBOX, 7, 4, 100, 112);
    t.Add(kButton, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 17, 17, 80, 15, IDOK);
    t.Add(kButton, L"&Abbrechen", BS_PUSHBUTTON | WS_TABSTOP, 17, 36, 80, 15, IDCANCEL);
    t.Add(kButton, L"Gedr\u00fcckt", BS_PUSHBUTTON, 17, 55, 80, 15, IDC_PRESSED);
    t.Add(kButton, L"Gesperrt", BS_PUSHBUTTON | WS_DISABLED, 17, 74, 80, 15);
    t.Add(kButton, L"Standard gesperrt", BS_DEFPUSHBUTTON | WS_DISABLED, 17, 93, 80, 15);

    t.Add(kButton, L"Kontrollk\u00e4stchen", BS_GROUPBOX, 114, 4, 112, 112);
    t.Add(kButton, L"&Leer", BS_AUTOCHECKBOX | WS_TABSTOP, 122, 16, 98, 12, IDC_EMPTY);
    t.Add(kButton, L"Angekreuzt", BS_AUTOCHECKBOX, 122, 32, 98, 12, IDC_CHECKED);
    t.Add(kButton, L"Unbestimmt", BS_AUTO3STATE, 122, 48, 98, 12, IDC_INDETERMINATE);
    t.Add(kButton, L"Gesperrt leer", BS_AUTOCHECKBOX | WS_DISABLED, 122, 64, 98, 12);
    t.Add(kButton, L"Gesperrt angekreuzt", BS_AUTOCHECKBOX | WS_DISABLED, 122, 80, 98, 12, IDC_DISABLED_CHECKED);
    t.Add(kButton, L"Gesperrt unbestimmt", BS_AUTO3STATE | WS_DISABLED, 122, 96, 98, 12, IDC_DISABLED_INDETERMINATE);

    t.Add(kButton, L"Optionsfelder", BS_GROUPBOX, 233, 4, 104, 62);
    t.Add(kButton, L"Erste", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 241, 16, 90, 12, IDC_RADIO_FIRST);
    t.Add(kButton, L"Zweite", BS_AUTORADIOBUTTON, 241, 32, 90, 12);
    t.Add(kButton, L"Gesperrt", BS_AUTORADIOBUTTON | WS_DISABLED, 241, 48, 90, 12);

    t.Add(kStatic, L"Links", SS_LEFT | WS_GROUP, 233, 70, 104, 9);
    t.Add(kStatic, L"Zentriert", SS_CENTER, 233, 80, 104, 9);
    t.Add(kStatic, L"Rechts", SS_RIGHT, 233, 90, 104, 9);
    t.Add(kStatic, L"Gesperrter Text", SS_LEFT | WS_DISABLED, 233, 100, 104, 9);
    const DWORD frames[] = {SS_BLACKFRAME, SS_GRAYFRAME, SS_WHITEFRAME, SS_BLACKRECT, SS_GRAYRECT, SS_WHITERECT};
    for (int i = 0; i < 6; ++i) t.Add(kStatic, L"", frames[i], static_cast<short>(233 + i * 18), 110, 14, 10);

    t.Add(kStatic, L"&Eingabe:", SS_LEFT, 7, 124, 100, 9);
    t.Add(kEdit, L"Eingabefeld", WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP, 7, 134, 100, 13);
    t.Add(kEdit, L"Erste Zeile\r\nZweite Zeile\r\nDritte Zeile\r\nVierte Zeile\r\nF\u00fcnfte Zeile",
          WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 7, 153, 100, 40, IDC_MULTILINE);
    t.Add(kEdit, L"Mit beiden Bildlaufleisten, breiter als das Feld\r\nZeile 2\r\nZeile 3\r\nZeile 4",
          WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 7, 200, 100, 46,
          IDC_BOTH_SCROLLS);

    t.Add(kStatic, L"&Liste:", SS_LEFT, 114, 124, 112, 9);
    t.Add(kListBox, L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 114, 134, 112, 59, IDC_LIST);
    t.Add(kStatic, L"Ausklappliste:", SS_LEFT, 114, 200, 112, 9);
    t.Add(kComboBox, L"", CBS_DROPDOWNLIST | WS_VSCROLL, 114, 210, 112, 80, IDC_DROPDOWNLIST);
    t.Add(kStatic, L"Ausklappfeld:", SS_LEFT, 114, 228, 112, 9);
    t.Add(kComboBox, L"", CBS_DROPDOWN | WS_VSCROLL, 114, 238, 112, 80, IDC_DROPDOWN);

    t.Add(kStatic, L"Einfaches Kombifeld:", SS_LEFT, 233, 124, 104, 9);
    t.Add(kComboBox, L"", CBS_SIMPLE | WS_VSCROLL, 233, 134, 104, 59, IDC_SIMPLE);
    // Placed wrongly on purpose: moved, shrunk and hidden before the picture.
    t.Add(kEdit, L"Verschoben", WS_BORDER, 233, 40, 104, 13, IDC_MOVED);
    t.Add(kEdit, L"Verkleinert", WS_BORDER | ES_MULTILINE, 233, 218, 104, 30, IDC_SHRUNK);
    t.Add(kEdit, L"Versteckt", WS_BORDER, 250, 236, 80, 13, IDC_HIDDEN);
    t.Add(kListBox, L"", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 180, 150, 150, 60, IDC_SHRUNK_LIST);
    return t;
}

// The colours of the look's era, for both runs alike; the session's own come
// back at the end.
class EraColours {
public:
    EraColours()
    {
        for (int i = 0; i < kCount; ++i) saved_[i] = GetSysColor(kElements[i]);
        SetSysColors(kCount, kElements, kEra);
    }
    ~EraColours() { SetSysColors(kCount, kElements, saved_); }
    EraColours(const EraColours&) = delete;
    EraColours& operator=(const EraColours&) = delete;

private:
    static constexpr int kCount = 11;
    static constexpr int kElements[kCount] = {COLOR_BTNFACE,   COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNTEXT,
                                              COLOR_WINDOW,    COLOR_WINDOWTEXT, COLOR_GRAYTEXT,   COLOR_WINDOWFRAME,
                                              COLOR_3DDKSHADOW, COLOR_3DLIGHT,  COLOR_SCROLLBAR};
    static constexpr COLORREF kEra[kCount] = {
        RGB(192, 192, 192), RGB(128, 128, 128), RGB(255, 255, 255), RGB(0, 0, 0),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(128, 128, 128), RGB(0, 0, 0),
        RGB(0, 0, 0),       RGB(223, 223, 223), RGB(192, 192, 192)};
    COLORREF saved_[kCount];
};

INT_PTR CALLBACK GalleryDialogProc(HWND, UINT message, WPARAM, LPARAM)
{
    return message == WM_INITDIALOG;
}


// Moves a control to where another dialog position (in dialog units) says.
void PlaceInUnits(HWND dialog, int id, int x, int y, int cx, int cy)
{
    RECT r{x, y, x + cx, y + cy};
    MapDialogRect(dialog, &r);
    SetWindowPos(GetDlgItem(dialog, id), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER);
}

HWND CreateGallery(const TemplateWriter& t, int x, int y)
{
    HWND dialog = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), t.Get(), nullptr, GalleryDialogProc, 0);
    if (!dialog) return nullptr;
    SetWindowPos(dialog, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    SendDlgItemMessageA(dialog, IDC_CHECKED, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(dialog, IDC_INDETERMINATE, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendDlgItemMessageA(dialog, IDC_DISABLED_CHECKED, BM_SETCHECK, BST_CHECKED, 0);
    SendDlgItemMessageA(dialog, IDC_DISABLED_INDETERMINATE, BM_SETCHECK, BST_INDETERMINATE, 0);
    SendDlgItemMessageA(dialog, IDC_RADIO_FIRST, BM_SETCHECK, BST_CHECKED, 0);
    const char* towns[] = {"Aachen", "Bremen", "Chemnitz", "Dresden", "Essen", "Freiburg", "G\xf6ttingen",
                           "Hamburg", "Ingolstadt", "Jena", "Kiel", "L\xfc" "beck"};
    for (const char* town : towns) {
        SendDlgItemMessageA(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(town));
        SendDlgItemMessageA(dialog, IDC_SHRUNK_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(town));
        for (int id : {IDC_SIMPLE, IDC_DROPDOWN, IDC_DROPDOWNLIST})
            SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(town));
    }
    SendDlgItemMessageA(dialog, IDC_LIST, LB_SETCURSEL, 2, 0);
    for (int id : {IDC_SIMPLE, IDC_DROPDOWN, IDC_DROPDOWNLIST}) SendDlgItemMessageA(dialog, id, CB_SETCURSEL, 1, 0);
    PumpUntilIdle();

    // What a program does to its controls later on.
    PlaceInUnits(dialog, IDC_MOVED, 233, 200, 104, 13);
    PlaceInUnits(dialog, IDC_SHRUNK, 233, 218, 104, 13);
    ShowWindow(GetDlgItem(dialog, IDC_HIDDEN), SW_HIDE);
    PlaceInUnits(dialog, IDC_SHRUNK_LIST, 180, 150, 150, 20);
    ShowWindow(GetDlgItem(dialog, IDC_SHRUNK_LIST), SW_HIDE);
    SendDlgItemMessageA(dialog, IDC_PRESSED, BM_SETSTATE, TRUE, 0);
    // Focus on a check box shows its focus rectangle; OK stays the default.
    SetFocus(GetDlgItem(dialog, IDC_EMPTY));
    SendMessageA(dialog, DM_SETDEFID, IDOK, 0);
    PumpUntilIdle();
    return dialog;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Shows the dialog alone and times repaints of it whole, its controls
// included.
double TimeRepaints(HWND dialog, int count)
{
    ShowWindow(dialog, SW_SHOWNA);
    PumpUntilIdle();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    for (int i = 0; i < count; ++i)
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    QueryPerformanceCounter(&end);
    ShowWindow(dialog, SW_HIDE);
    return Milliseconds(start, end);
}

// The same dialog twice: one made before the hook was set, which the look
// never sees, and one made after. They take turns in short batches, so that
// the load of the machine weighs on both alike.
int Bench(const TemplateWriter& t, int count)
{
    if (!C3dIsActive()) {
        std::printf("the look is not active under this Windows version: nothing to compare\n");
        return 1;
    }
    HWND plain = CreateGallery(t, 40, 40);
    C3dHookThread(GetModuleHandleA(nullptr));
    HWND looked = CreateGallery(t, 40, 40);
    if (!plain || !looked) return 1;
    ShowWindow(plain, SW_HIDE);
    ShowWindow(looked, SW_HIDE);
    constexpr int kBatch = 10;
    double plainTime = 0, lookTime = 0;
    for (int done = 0; done < count; done += kBatch) {
        const int batch = std::min(kBatch, count - done);
        plainTime += TimeRepaints(plain, batch);
        lookTime += TimeRepaints(looked, batch);
    }
    std::printf("%d repaints of the gallery dialog, in turns of %d:\n", count, kBatch);
    std::printf("  without the look: %8.1f ms (%.2f ms each)\n", plainTime, plainTime / count);
    std::printf("  with the look:    %8.1f ms (%.2f ms each)\n", lookTime, lookTime / count);
    std::printf("  ratio: %.2f\n", lookTime / plainTime);
    DestroyWindow(looked);
    DestroyWindow(plain);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bench = argc == 3 && std::strcmp(argv[1], "--bench") == 0;
    if (argc != 2 && !bench) {
        std::printf("usage: gallery <picture.bmp> | gallery --bench <repaints>\n");
        return 2;
    }
    HINSTANCE instance = GetModuleHandleA(nullptr);
    EraColours colours;
    const bool look = C3dAttach(instance);
    // The system makes a window of its own after a thread's first top-level
    // window; made now, it does not come between the hook and the dialog.
    HWND first = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr);
    const TemplateWriter t = GalleryTemplate();
    int result = 0;
    if (bench) {
        result = Bench(t, std::max(1, std::atoi(argv[2])));
    } else {
        if (look) C3dHookThread(instance);
        HWND dialog = CreateGallery(t, 40, 40);
        if (!dialog) {
            std::printf("the dialog could not be created\n");
            result = 1;
        } else {
            result = SaveWindowImage(dialog, argv[1]) ? 0 : 1;
            std::printf("%s %s the look: %s\n", result ? "failed" : "saved", look ? "with" : "without", argv[1]);
            DestroyWindow(dialog);
        }
    }
    DestroyWindow(first);
    if (look) C3dDetach(instance);
    return result;
}
