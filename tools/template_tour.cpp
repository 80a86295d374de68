// Tour of the language library's dialog templates: each one is created from
// the library, filled with sample texts as the installer would fill it,
// shown, pictured and destroyed again.
#include "tools/template_tour.h"

#include "tools/screenshot.h"

#include <string>

namespace {

// A text the tour puts into a control. It comes from a row of one of the
// library's exported tables when the library has that table, else the fixed
// text stands in. A "%s" in the text takes the argument.
struct SampleText {
    int id;
    const char* table;
    int row;
    const wchar_t* text;
    const wchar_t* argument;
};

// Picture drawn on an owner-drawn button of a main menu.
struct MenuIcon {
    int id;
    const char* icon;
};

struct TourStop {
    const char* name;
    SampleText caption;  // id unused
    const SampleText* texts;
    size_t textCount;
    const int* checked;  // radio buttons and check boxes to tick, 0 ends
    const MenuIcon* icons;
    size_t iconCount;
};

constexpr int kCaptionId = 0;
constexpr SampleText kAppCaption{kCaptionId, "eApplicationName", -1, L"Quillstone® KARTOLIN 4 - Installation",
                                 nullptr};
constexpr int kNoneChecked[] = {0};

constexpr MenuIcon kMainIcons[] = {{800, "IDI_LOGO"},     {801, "IDI_SCHRAUBE"}, {802, "IDI_DISKETTE"},
                                   {803, "IDI_EXCLAIM"},  {804, "IDI_QUEST"},    {805, nullptr}};
constexpr MenuIcon kMainMinIcons[] = {{800, "IDI_LOGO"}, {801, "IDI_EXCLAIM"}, {802, "IDI_QUEST"}, {803, nullptr}};

constexpr int kInstallModeChecked[] = {300, 0};
constexpr SampleText kSourcePathTexts[] = {
    {350, nullptr, 0,
     L"Bitte geben Sie an, in welchem Verzeichnis sich die Installationsdateien von KARTOLIN 4 befinden.", nullptr},
    {200, nullptr, 0, L"A:\\", nullptr},
};
constexpr SampleText kServerPathTexts[] = {{200, nullptr, 0, L"F:\\KARTOLIN4", nullptr}};
constexpr SampleText kEditSysTexts[] = {
    {200, nullptr, 0, L"Jürgen Weiß", nullptr},
    {201, nullptr, 0, L"Müller & Söhne Vermessungsbüro", nullptr},
};
constexpr SampleText kEditExpressTexts[] = {{200, nullptr, 0, L"C:\\KARTOLIN4", nullptr}};
constexpr SampleText kEditCustomTexts[] = {
    {200, nullptr, 0, L"C:\\KARTOLIN4", nullptr},
    {201, nullptr, 0, L"C:\\KARTOLIN4\\BIBLIO", nullptr},
    {202, nullptr, 0, L"C:\\KARTOLIN4\\ZEICHNG", nullptr},
};
constexpr int kEditCustomChecked[] = {250, 251, 253, 254, 0};
constexpr SampleText kCopySingleTexts[] = {
    {400, nullptr, 0, L"C:\\KARTOLIN4", nullptr},
    {201, nullptr, 0, L"C:\\KARTOLIN4\\BIBLIO", nullptr},
    {202, nullptr, 0, L"C:\\KARTOLIN4\\ZEICHNG", nullptr},
    {350, nullptr, 0, L"2,31", nullptr},
    {351, nullptr, 0, L"3", nullptr},
};
constexpr SampleText kAlertTexts[] = {
    {551, "eButtonText", 2, L"&Ja", nullptr},
    {552, "eButtonText", 3, L"&Nein", nullptr},
    {553, "eButtonText", 1, L"&Abbruch", nullptr},
};
constexpr SampleText kAlertCaption{kCaptionId, "eCaptionTexts", 0, L"Quillstone® Installation - Meldung", nullptr};
constexpr SampleText kReplaceTexts[] = {
    {350, "eMessageText", 15, L"Die Datei\n%s\nexistiert bereits.\n\nDatei ersetzen?",
     L"C:\\KARTOLIN4\\BIBLIO\\NORMTEILE.K4L"},
};
constexpr SampleText kProgressTexts[] = {
    {350, nullptr, 0, L"Die Dateien werden kopiert. Bitte warten Sie ...", nullptr},
    {400, "eUniTexts", 10, L"Quelle:", nullptr},
    {401, "eUniTexts", 11, L"Ziel:", nullptr},
    {351, nullptr, 0, L"A:\\BIBLIO\\NORMTEILE.K4L", nullptr},
    {352, nullptr, 0, L"C:\\KARTOLIN4\\BIBLIO\\NORMTEILE.K4L", nullptr},
    {700, nullptr, 0, L"Datei 3 von 6", nullptr},
};
constexpr SampleText kFileInfoTexts[] = {
    {350, nullptr, 0, L"NORMTEILE.K4L", nullptr},
    {351, nullptr, 0, L"45.312 Bytes", nullptr},
    {352, nullptr, 0, L"11.12.1996", nullptr},
    {353, nullptr, 0, L"14:30:00", nullptr},
};
constexpr SampleText kFileInfoCaption{kCaptionId, "eCaptionTexts", 1, L"Datei-Info", nullptr};
constexpr SampleText kFileGetNameTexts[] = {
    {1152, nullptr, 0, L"*.k4l", nullptr},
    {1088, nullptr, 0, L"c:\\kartolin4\\biblio", nullptr},
};
constexpr SampleText kFileGetNameCaption{kCaptionId, "eCaptionTexts", 2, L"Pfad wählen", nullptr};

template <typename T, size_t N>
constexpr size_t Count(const T (&)[N])
{
    return N;
}

constexpr TourStop kStops[] = {
    {"MAINDIALOG", kAppCaption, nullptr, 0, kNoneChecked, kMainIcons, Count(kMainIcons)},
    {"MAINDIALOG_MIN", kAppCaption, nullptr, 0, kNoneChecked, kMainMinIcons, Count(kMainMinIcons)},
    {"INSTALLMODE", kAppCaption, nullptr, 0, kInstallModeChecked, nullptr, 0},
    {"SOURCEPATH", kAppCaption, kSourcePathTexts, Count(kSourcePathTexts), kNoneChecked, nullptr, 0},
    {"SERVERPATH", kAppCaption, kServerPathTexts, Count(kServerPathTexts), kNoneChecked, nullptr, 0},
    {"EDITSYS", kAppCaption, kEditSysTexts, Count(kEditSysTexts), kNoneChecked, nullptr, 0},
    {"EDITEXPRESS", kAppCaption, kEditExpressTexts, Count(kEditExpressTexts), kNoneChecked, nullptr, 0},
    {"EDITCUSTOM", kAppCaption, kEditCustomTexts, Count(kEditCustomTexts), kEditCustomChecked, nullptr, 0},
    {"COPYSINGLE", kAppCaption, kCopySingleTexts, Count(kCopySingleTexts), kNoneChecked, nullptr, 0},
    {"ALERTBOX", kAlertCaption, kAlertTexts, Count(kAlertTexts), kNoneChecked, nullptr, 0},
    {"REPLACEFILE", kAppCaption, kReplaceTexts, Count(kReplaceTexts), kNoneChecked, nullptr, 0},
    {"PROGRESS", kAppCaption, kProgressTexts, Count(kProgressTexts), kNoneChecked, nullptr, 0},
    {"FILEINFOANY", kFileInfoCaption, kFileInfoTexts, Count(kFileInfoTexts), kNoneChecked, nullptr, 0},
    {"FILEGETNAME", kFileGetNameCaption, kFileGetNameTexts, Count(kFileGetNameTexts), kNoneChecked, nullptr, 0},
};

// Rows of the file list (columns separated by tabs) of COPYSINGLE.
constexpr const wchar_t* kCopyRows[] = {
    L"KARTOLIN.EXE\tProgramm\t1.843.200\t1",  L"KARTOLIN.HLP\tHilfe\t412.604\t1",
    L"NORMTEILE.K4L\tBibliothek\t45.312\t2", L"SCHRAUBEN.K4L\tBibliothek\t38.017\t2",
    L"GRUNDRISS.K4G\tZeichnung\t102.733\t3", L"SCHALTPLAN.K4G\tZeichnung\t87.460\t3",
};
// Tab stops of those rows, in dialog units from the list's left edge, under
// the headings "Art", "Länge [Byte]" and "Disk".
constexpr int kCopyTabStops[] = {80, 170, 230};

constexpr const wchar_t* kFiles[] = {L"grundriss.k4g", L"normteile.k4l", L"schrauben.k4l", L"zubehör.k4l"};
constexpr const wchar_t* kFolders[] = {L"[..]", L"[muster]", L"[vorlagen]"};
constexpr const wchar_t* kDrives[] = {L"[-a-]", L"[-c-]", L"[-f-]"};

HMODULE tourLibrary;

std::wstring FromCodePage1252(const char* text)
{
    const int length = MultiByteToWideChar(1252, 0, text, -1, nullptr, 0);
    std::wstring wide(length > 0 ? length - 1 : 0, L'\0');
    if (length > 1) MultiByteToWideChar(1252, 0, text, -1, &wide[0], length);
    return wide;
}

// Row of an exported text table, or nullptr when the library has no such
// table or the table ends before the row. Row -1 names a plain text export.
const char* TableRow(const char* table, int row)
{
    if (!table) return nullptr;
    const void* address = reinterpret_cast<const void*>(GetProcAddress(tourLibrary, table));
    if (!address || row < 0) return static_cast<const char*>(address);
    const auto* rows = static_cast<const char* const*>(address);
    for (int i = 0; i <= row; ++i)
        if (rows[i][0] == '\x04' && rows[i][1] == '\0') return nullptr;
    return rows[row];
}

std::wstring Resolve(const SampleText& sample)
{
    const char* row = TableRow(sample.table, sample.row);
    std::wstring text = row ? FromCodePage1252(row) : sample.text;
    const size_t placeholder = text.find(L"%s");
    if (placeholder != std::wstring::npos && sample.argument) text.replace(placeholder, 2, sample.argument);
    // Line feeds alone break no line in a static; the platform wants CR LF.
    for (size_t at = text.find(L'\n'); at != std::wstring::npos; at = text.find(L'\n', at + 2))
        if (at == 0 || text[at - 1] != L'\r') text.insert(at, 1, L'\r');
    return text;
}

void AddRows(HWND control, UINT message, const wchar_t* const* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) SendMessageW(control, message, 0, reinterpret_cast<LPARAM>(rows[i]));
}

// Lists that COPYSINGLE and FILEGETNAME show; other templates lack the ids.
void FillLists(HWND dialog)
{
    if (HWND list = GetDlgItem(dialog, 170)) {
        SendMessageW(list, LB_SETTABSTOPS, 3, reinterpret_cast<LPARAM>(kCopyTabStops));
        AddRows(list, LB_ADDSTRING, kCopyRows, Count(kCopyRows));
        SendMessageW(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(2, 4));
    }
    if (HWND files = GetDlgItem(dialog, 1120)) AddRows(files, LB_ADDSTRING, kFiles, Count(kFiles));
    if (HWND folders = GetDlgItem(dialog, 1121)) AddRows(folders, LB_ADDSTRING, kFolders, Count(kFolders));
    if (HWND types = GetDlgItem(dialog, 1136)) {
        for (int row = 2; row >= 0; row -= 2) {
            const SampleText type{0, "eFileSearchTexts", row, row ? L"RPX 4.0 Bibliotheken (*.k4l)"
                                                                  : L"Alle Dateien (*.*)", nullptr};
            SendMessageW(types, CB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(Resolve(type).c_str()));
        }
        SendMessageW(types, CB_SETCURSEL, 1, 0);
    }
    if (HWND drives = GetDlgItem(dialog, 1137)) {
        AddRows(drives, CB_ADDSTRING, kDrives, Count(kDrives));
        SendMessageW(drives, CB_SETCURSEL, 1, 0);
    }
}

BOOL OnInitDialog(HWND dialog, const TourStop& stop)
{
    SetWindowTextW(dialog, Resolve(stop.caption).c_str());
    for (size_t i = 0; i < stop.textCount; ++i)
        SetDlgItemTextW(dialog, stop.texts[i].id, Resolve(stop.texts[i]).c_str());
    for (const int* id = stop.checked; *id; ++id) CheckDlgButton(dialog, *id, BST_CHECKED);
    FillLists(dialog);
    return FALSE;  // no focus, so the pictures show no caret
}

// A main menu choice: a raised button with its icon in the middle.
void DrawMenuButton(const TourStop& stop, const DRAWITEMSTRUCT& item)
{
    RECT r = item.rcItem;
    DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH);
    for (size_t i = 0; i < stop.iconCount; ++i) {
        if (stop.icons[i].id != static_cast<int>(item.CtlID) || !stop.icons[i].icon) continue;
        HICON icon = static_cast<HICON>(LoadImageA(tourLibrary, stop.icons[i].icon, IMAGE_ICON, 32, 32, 0));
        if (!icon) return;
        DrawIconEx(item.hDC, (r.left + r.right - 32) / 2, (r.top + r.bottom - 32) / 2, icon, 32, 32, 0, nullptr,
                   DI_NORMAL);
        DestroyIcon(icon);
    }
}

// A row of an owner-drawn list or combo box of FILEGETNAME: its text alone.
void DrawListRow(const DRAWITEMSTRUCT& item)
{
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool list = item.CtlType == ODT_LISTBOX;
    const LRESULT length =
        SendMessageW(item.hwndItem, list ? LB_GETTEXTLEN : CB_GETLBTEXTLEN, item.itemID, 0);
    if (length <= 0) return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(item.hwndItem, list ? LB_GETTEXT : CB_GETLBTEXT, item.itemID, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    const COLORREF oldText = SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const COLORREF oldBack = SetBkColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    ExtTextOutW(item.hDC, item.rcItem.left + 2, item.rcItem.top, ETO_OPAQUE, &item.rcItem, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
    SetBkColor(item.hDC, oldBack);
    SetTextColor(item.hDC, oldText);
}

BOOL OnDrawItem(const TourStop& stop, const DRAWITEMSTRUCT& item)
{
    if (item.CtlType == ODT_BUTTON)
        DrawMenuButton(stop, item);
    else
        DrawListRow(item);
    return TRUE;
}

INT_PTR CALLBACK TourDialogProc(HWND dialog, UINT message, WPARAM, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        return OnInitDialog(dialog, *reinterpret_cast<const TourStop*>(lParam));
    case WM_DRAWITEM: {
        const auto* stop = reinterpret_cast<const TourStop*>(GetWindowLongPtrA(dialog, DWLP_USER));
        return stop ? OnDrawItem(*stop, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) : FALSE;
    }
    }
    return FALSE;
}


}  // namespace

void TourTemplates(HMODULE library, const char* folder)
{
    tourLibrary = library;
    CreateDirectoryA(folder, nullptr);
    for (const TourStop& stop : kStops) {
        HWND dialog = CreateDialogParamA(library, stop.name, nullptr, TourDialogProc, reinterpret_cast<LPARAM>(&stop));
        if (!dialog) continue;
        ShowWindow(dialog, SW_SHOW);  // FILEGETNAME is created hidden
        UpdateWindow(dialog);
        PumpUntilIdle();
        SaveWindowImage(dialog, (std::string(folder) + "\\" + stop.name + ".bmp").c_str());
        DestroyWindow(dialog);
        PumpUntilIdle();
    }
}
