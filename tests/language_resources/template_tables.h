// What every dialog template of the language library must hold: one table of
// controls per template, in template order, positions in dialog units.
#pragma once

#include <windows.h>

#include <cstddef>
#include <ostream>

namespace templates {

struct ControlRow {
    WORD id;
    const char* cls;
    short x, y, cx, cy;
    DWORD style;
    const wchar_t* text;
};

struct TemplateRow {
    const char* name;
    short x, y, cx, cy;
    DWORD style;
    const ControlRow* controls;
    size_t count;
    bool page;  // an installer page, where only edit fields are tab stops
};

constexpr WORD kNoId = 0xFFFF;
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kBoxStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kFileStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DWORD kEditField = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kFileList = kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT | LBS_OWNERDRAWFIXED |
                            LBS_HASSTRINGS | LBS_DISABLENOSCROLL;
constexpr DWORD kFileButton = kChild | WS_GROUP | WS_TABSTOP;

constexpr ControlRow kMainDialog[] = {
    {700, "Static", 150, 8, 154, 154, kChild | SS_LEFT, L""},
    {350, "Static", 34, 12, 110, 10, kChild | SS_LEFT, L"&Typische Installation"},
    {351, "Static", 34, 40, 110, 10, kChild | SS_LEFT, L"&Benutzerdefinierte Installation"},
    {352, "Static", 34, 68, 110, 10, kChild | SS_LEFT, L"Einzelne Dateien &kopieren"},
    {353, "Static", 34, 96, 110, 10, kChild | SS_LEFT, L"&Deinstallation"},
    {354, "Static", 34, 124, 110, 10, kChild | SS_LEFT, L"&Hilfe"},
    {355, "Static", 34, 152, 110, 10, kChild | SS_LEFT, L"Installation be&enden"},
    {800, "Button", 4, 4, 26, 24, kChild | BS_OWNERDRAW, L""},
    {801, "Button", 4, 32, 26, 24, kChild | BS_OWNERDRAW, L""},
    {802, "Button", 4, 60, 26, 24, kChild | BS_OWNERDRAW, L""},
    {803, "Button", 4, 88, 26, 24, kChild | BS_OWNERDRAW, L""},
    {804, "Button", 4, 116, 26, 24, kChild | BS_OWNERDRAW, L""},
    {805, "Button", 4, 144, 26, 24, kChild | BS_OWNERDRAW, L""},
    {500, "Button", 4, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&T"},
    {501, "Button", 16, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&B"},
    {502, "Button", 28, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&K"},
    {503, "Button", 40, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&D"},
    {504, "Button", 52, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&H"},
    {505, "Button", 64, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&E"},
};

constexpr ControlRow kMainDialogMin[] = {
    {700, "Static", 150, 8, 154, 154, kChild | SS_LEFT, L""},
    {350, "Static", 34, 12, 110, 10, kChild | SS_LEFT, L"Installation &starten"},
    {351, "Static", 34, 96, 110, 10, kChild | SS_LEFT, L"&Deinstallation"},
    {352, "Static", 34, 124, 110, 10, kChild | SS_LEFT, L"&Hilfe"},
    {353, "Static", 34, 152, 110, 10, kChild | SS_LEFT, L"Installation be&enden"},
    {800, "Button", 4, 4, 26, 24, kChild | BS_OWNERDRAW, L""},
    {801, "Button", 4, 88, 26, 24, kChild | BS_OWNERDRAW, L""},
    {802, "Button", 4, 116, 26, 24, kChild | BS_OWNERDRAW, L""},
    {803, "Button", 4, 144, 26, 24, kChild | BS_OWNERDRAW, L""},
    {500, "Button", 4, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&S"},
    {501, "Button", 16, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&D"},
    {502, "Button", 28, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&H"},
    {503, "Button", 40, 174, 12, 12, kChild | BS_PUSHBUTTON, L"&E"},
};

constexpr ControlRow kInstallMode[] = {
    {kNoId, "Static", 156, 16, 18, 20, kChild | SS_ICON, L"IDI_LOGO"},
    {kNoId, "Button", 2, 2, 180, 72, kChild | BS_GROUPBOX, L"Installationsmodus"},
    {300, "Button", 6, 12, 130, 12, kChild | BS_RADIOBUTTON, L"&Einzelplatzrechner"},
    {301, "Button", 6, 28, 130, 12, kChild | BS_RADIOBUTTON, L"&Server"},
    {302, "Button", 6, 40, 140, 12, kChild | BS_RADIOBUTTON, L"&Lokaler Netzwerkrechner (Client)"},
    {kNoId, "Static", 6, 54, 172, 18, kChild | SS_LEFT,
     L"Vor der Installation auf einem Client muß KARTOLIN 4 auf dem Server installiert werden."},
    {22, "Button", 2, 78, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 54, 78, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 98, 78, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 142, 78, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kSourcePath[] = {
    {kNoId, "Static", 6, 6, 18, 20, kChild | SS_ICON, L"IDI_LOGO"},
    {350, "Static", 34, 4, 228, 26, kChild | SS_LEFT, L"..."},
    {kNoId, "Button", 2, 34, 262, 26, kChild | BS_GROUPBOX, L"Verzeichnis"},
    {kNoId, "Static", 4, 46, 74, 10, kChild | SS_RIGHT, L"Installationsdateien:"},
    {200, "Edit", 80, 44, 138, 12, kEditField, L""},
    {550, "Button", 220, 44, 40, 12, kChild | BS_PUSHBUTTON, L"Wäh&len..."},
    {22, "Button", 2, 64, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 136, 64, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 180, 64, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 224, 64, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kServerPath[] = {
    {kNoId, "Button", 2, 2, 276, 26, kChild | BS_GROUPBOX, L"Verzeichnis"},
    {kNoId, "Static", 4, 14, 80, 10, kChild | SS_RIGHT, L"KARTOLIN 4 (Server):"},
    {200, "Edit", 86, 12, 146, 12, kEditField, L""},
    {kNoId, "Static", 2, 32, 276, 26, kChild | SS_LEFT,
     L"Mit dem gewählten Pfad geben Sie an, wo sich KARTOLIN 4 auf dem Server befindet. Sollten Sie "
     L"KARTOLIN 4 auf dem Server noch nicht installiert haben, so müssen Sie dies tun, bevor Sie an "
     L"dieser Stelle fortfahren können."},
    {550, "Button", 234, 12, 40, 12, kChild | BS_PUSHBUTTON, L"Wäh&len..."},
    {22, "Button", 2, 60, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 150, 60, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 194, 60, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 238, 60, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kEditSys[] = {
    {kNoId, "Static", 2, 36, 36, 10, kChild | SS_RIGHT, L"Firma:"},
    {kNoId, "Static", 2, 20, 36, 10, kChild | SS_RIGHT, L"Name:"},
    {200, "Edit", 40, 18, 162, 12, kEditField | 0x0200, L""},
    {201, "Edit", 40, 34, 162, 12, kEditField | 0x0200, L""},
    {kNoId, "Static", 2, 4, 200, 10, kChild | SS_LEFT, L"Bitte tragen Sie hier Ihre persönlichen Angaben ein."},
    {kNoId, "Static", 2, 50, 200, 18, kChild | SS_LEFT,
     L"Diese Angaben sind nötig, um eine korrekte Installation durchführen zu können."},
    {22, "Button", 2, 70, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 74, 70, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 118, 70, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 162, 70, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kEditExpress[] = {
    {kNoId, "Button", 2, 2, 262, 26, kChild | BS_GROUPBOX, L"Verzeichnis"},
    {kNoId, "Static", 4, 14, 52, 10, kChild | SS_RIGHT, L"KARTOLIN 4:"},
    {200, "Edit", 58, 12, 160, 12, kEditField, L""},
    {kNoId, "Static", 2, 32, 218, 26, kChild | SS_LEFT,
     L"In das angegebene Verzeichnis werden anschließend alle Dateien kopiert. Sollte das Verzeichnis "
     L"noch nicht existieren, wird es automatisch erzeugt."},
    {kNoId, "Static", 48, 66, 118, 10, kChild | SS_RIGHT, L"Benötigte Festplattenkapazität:"},
    {350, "Static", 168, 66, 26, 10, kChild | SS_CENTER, L"11,78"},
    {kNoId, "Static", 196, 66, 20, 10, kChild | SS_LEFT, L"MB"},
    {550, "Button", 220, 12, 40, 12, kChild | BS_PUSHBUTTON, L"Wäh&len..."},
    {22, "Button", 2, 64, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 224, 32, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 224, 48, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 224, 64, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kEditCustom[] = {
    {kNoId, "Static", 234, 66, 18, 20, kChild | SS_ICON, L"IDI_LOGO"},
    {kNoId, "Button", 2, 2, 262, 58, kChild | BS_GROUPBOX, L"Verzeichnisse"},
    {kNoId, "Static", 4, 14, 52, 10, kChild | SS_RIGHT, L"KARTOLIN 4:"},
    {kNoId, "Static", 4, 30, 52, 10, kChild | SS_RIGHT, L"Bibliotheken:"},
    {kNoId, "Static", 4, 46, 52, 10, kChild | SS_RIGHT, L"Zeichnungen:"},
    {200, "Edit", 58, 12, 160, 12, kEditField, L""},
    {201, "Edit", 58, 28, 160, 12, kEditField, L""},
    {202, "Edit", 58, 44, 160, 12, kEditField, L""},
    {kNoId, "Button", 2, 62, 218, 60, kChild | BS_GROUPBOX, L"Zu kopierende Dateien"},
    {250, "Button", 6, 74, 114, 12, kChild | BS_CHECKBOX, L"&Programmdokumentation"},
    {251, "Button", 6, 86, 114, 12, kChild | BS_CHECKBOX, L"Interaktives &Tutorial"},
    {252, "Button", 6, 98, 212, 12, kChild | BS_CHECKBOX, L"Doku&mentation der Programmierschnittstelle und"},
    {kNoId, "Static", 18, 110, 200, 10, kChild | SS_LEFT, L"Beschreibung des K4G-Dateiformats"},
    {253, "Button", 126, 74, 92, 12, kChild | BS_CHECKBOX, L"B&ibliotheken"},
    {254, "Button", 126, 86, 92, 12, kChild | BS_CHECKBOX, L"Zeichnun&gen"},
    {550, "Button", 220, 12, 40, 12, kChild | BS_PUSHBUTTON, L"Wäh&len..."},
    {551, "Button", 220, 28, 40, 12, kChild | BS_PUSHBUTTON, L"Wähl&en..."},
    {552, "Button", 220, 44, 40, 12, kChild | BS_PUSHBUTTON, L"Wähle&n..."},
    {kNoId, "Static", 48, 128, 116, 10, kChild | SS_RIGHT, L"Benötigte Festplattenkapazität:"},
    {350, "Static", 166, 128, 26, 10, kChild | SS_CENTER, L"11,78"},
    {kNoId, "Static", 194, 128, 20, 10, kChild | SS_LEFT, L"MB"},
    {22, "Button", 2, 126, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 224, 94, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 224, 110, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 224, 126, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kCopySingle[] = {
    {kNoId, "Static", 58, 12, 202, 14, kChild | SS_BLACKFRAME | SS_SUNKEN, L""},
    {kNoId, "Static", 182, 208, 18, 20, kChild | SS_ICON, L"IDI_LOGO"},
    {kNoId, "Button", 2, 2, 262, 60, kChild | BS_GROUPBOX, L"Verzeichnisse"},
    {kNoId, "Static", 4, 14, 52, 10, kChild | SS_RIGHT, L"KARTOLIN 4:"},
    {kNoId, "Static", 4, 32, 52, 10, kChild | SS_RIGHT, L"Bibliotheken:"},
    {kNoId, "Static", 4, 48, 52, 10, kChild | SS_RIGHT, L"Zeichnungen:"},
    {400, "Static", 60, 14, 198, 10, kChild | SS_LEFTNOWORDWRAP, L"..."},
    {201, "Edit", 58, 30, 160, 12, kEditField, L""},
    {202, "Edit", 58, 46, 160, 12, kEditField, L""},
    {kNoId, "Static", 2, 66, 30, 8, kChild | SS_LEFT, L"Datei"},
    {kNoId, "Static", 82, 66, 30, 8, kChild | SS_LEFT, L"Art"},
    {kNoId, "Static", 172, 66, 50, 8, kChild | SS_LEFT, L"Länge [Byte]"},
    {kNoId, "Static", 232, 66, 30, 8, kChild | SS_LEFT, L"Disk"},
    {170, "ListBox", 2, 76, 262, 100,
     kChild | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_EXTENDEDSEL, L""},
    {kNoId, "Static", 2, 178, 198, 26, kChild | SS_LEFT,
     L"Wählen Sie die Dateien, die Sie kopieren möchten. Die gewählten Dateien werden anschließend in "
     L"die entsprechenden Verzeichnisse kopiert."},
    {kNoId, "Static", 2, 208, 116, 10, kChild | SS_RIGHT, L"Benötigte Festplattenkapazität:"},
    {350, "Static", 120, 208, 26, 10, kChild | SS_CENTER, L"11,78"},
    {kNoId, "Static", 2, 218, 116, 10, kChild | SS_RIGHT, L"Anzahl selektierter Dateien:"},
    {351, "Static", 120, 218, 26, 10, kChild | SS_CENTER, L"101"},
    {kNoId, "Static", 148, 208, 20, 10, kChild | SS_LEFT, L"MB"},
    {551, "Button", 220, 30, 40, 12, kChild | BS_PUSHBUTTON, L"Wäh&len..."},
    {552, "Button", 220, 46, 40, 12, kChild | BS_PUSHBUTTON, L"Wähl&en..."},
    {500, "Button", 204, 178, 60, 12, kChild | BS_PUSHBUTTON, L"A&lle wählen"},
    {22, "Button", 2, 230, 40, 12, kChild | BS_PUSHBUTTON, L"&Hilfe"},
    {1, "Button", 224, 198, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&Weiter"},
    {8, "Button", 224, 214, 40, 12, kChild | BS_PUSHBUTTON, L"&Zurück"},
    {2, "Button", 224, 230, 40, 12, kChild | BS_PUSHBUTTON, L"&Beenden"},
};

constexpr ControlRow kAlertBox[] = {
    {501, "Static", 206, 4, 18, 20, kChild | SS_ICON, L"IDI_EXCLAIM"},
    {500, "Static", 4, 4, 18, 20, kChild | SS_ICON, L"IDI_QUEST"},
    {700, "Static", 50, 4, 128, 12, kChild | SS_BLACKFRAME, L""},
    {551, "Button", 50, 20, 40, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L".."},
    {552, "Button", 94, 20, 40, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L".."},
    {553, "Button", 138, 20, 40, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L".."},
};

constexpr ControlRow kReplaceFile[] = {
    {350, "Static", 2, 4, 244, 42, kChild | SS_CENTER, L"..."},
    {550, "Button", 10, 50, 54, 12, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, L"&Ja"},
    {551, "Button", 68, 50, 54, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L"Alle &ersetzen"},
    {552, "Button", 126, 50, 54, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L"&Nein"},
    {553, "Button", 184, 50, 54, 12, kChild | WS_TABSTOP | BS_PUSHBUTTON, L"&Abbruch"},
};

constexpr ControlRow kProgress[] = {
    {kNoId, "Static", 2, 44, 276, 14, kChild | SS_BLACKFRAME | SS_SUNKEN, L""},
    {700, "Static", 4, 46, 272, 10, kChild | SS_SIMPLE, L""},
    {350, "Static", 2, 4, 276, 10, kChild | SS_LEFT, L"..."},
    {400, "Static", 0, 18, 46, 10, kChild | SS_RIGHT, L"..."},
    {401, "Static", 0, 30, 46, 10, kChild | SS_RIGHT, L"..."},
    {351, "Static", 48, 18, 230, 10, kChild | SS_LEFT, L"..."},
    {352, "Static", 48, 30, 230, 10, kChild | SS_LEFT, L"..."},
};

constexpr ControlRow kFileInfoAny[] = {
    {kNoId, "Static", 40, 4, 134, 14, kChild | SS_BLACKFRAME | SS_SUNKEN, L""},
    {kNoId, "Static", 40, 22, 134, 34, kChild | SS_BLACKFRAME | SS_SUNKEN, L""},
    {kNoId, "Static", 0, 6, 38, 10, kChild | SS_RIGHT, L"Name:"},
    {kNoId, "Static", 0, 24, 38, 10, kChild | SS_RIGHT, L"Länge:"},
    {kNoId, "Static", 0, 34, 38, 10, kChild | SS_RIGHT, L"Datum:"},
    {kNoId, "Static", 0, 44, 38, 10, kChild | SS_RIGHT, L"Uhrzeit:"},
    {350, "Static", 42, 6, 130, 10, kChild | SS_LEFTNOWORDWRAP, L"..."},
    {351, "Static", 42, 24, 130, 10, kChild | SS_LEFTNOWORDWRAP, L"..."},
    {352, "Static", 42, 34, 130, 10, kChild | SS_LEFTNOWORDWRAP, L"..."},
    {353, "Static", 42, 44, 130, 10, kChild | SS_LEFTNOWORDWRAP, L"..."},
    {1, "Button", 68, 60, 40, 12, kChild | BS_DEFPUSHBUTTON, L"&OK"},
};

constexpr ControlRow kFileGetName[] = {
    {1090, "Static", 2, 2, 102, 8, kChild | WS_GROUP | SS_LEFT, L"&Dateiname:"},
    {1152, "Edit", 2, 12, 110, 12, kEditField | ES_OEMCONVERT, L""},
    {1120, "ListBox", 2, 28, 110, 110, kFileList, L""},
    {kNoId, "Static", 116, 2, 102, 8, kChild | WS_GROUP | SS_LEFT, L"&Verzeichnisse:"},
    {1088, "Static", 116, 12, 110, 12, kChild | WS_GROUP | SS_LEFT | SS_NOPREFIX, L""},
    {1121, "ListBox", 116, 28, 110, 110, kFileList, L""},
    {1089, "Static", 2, 140, 102, 8, kChild | WS_GROUP | SS_LEFT, L"D&ateiarten:"},
    {1136, "ComboBox", 2, 150, 110, 44,
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, L""},
    {1091, "Static", 116, 140, 102, 8, kChild | WS_GROUP | SS_LEFT, L"&Laufwerke:"},
    {1137, "ComboBox", 116, 150, 110, 100,
     kChild | WS_BORDER | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_AUTOHSCROLL |
         CBS_SORT | CBS_HASSTRINGS,
     L""},
    {1, "Button", 230, 4, 44, 12, kFileButton | BS_DEFPUSHBUTTON, L"OK"},
    {2, "Button", 230, 20, 44, 12, kFileButton | BS_PUSHBUTTON, L"Abbruch"},
    {551, "Button", 230, 44, 44, 12, kFileButton | BS_PUSHBUTTON, L"&Info..."},
    {1038, "Button", 230, 60, 44, 12, kFileButton | BS_PUSHBUTTON, L"&Hilfe"},
    {1040, "Button", 230, 122, 46, 12, kFileButton | BS_AUTOCHECKBOX, L"Nur Le&sen"},
    {1037, "Button", 230, 150, 44, 12, kFileButton | BS_PUSHBUTTON, L"Netz&werk..."},
};

template <size_t N>
constexpr TemplateRow Template(const char* name, short x, short y, short cx, short cy, DWORD style,
                               const ControlRow (&controls)[N], bool page)
{
    return {name, x, y, cx, cy, style, controls, N, page};
}

constexpr TemplateRow kTemplates[] = {
    Template("MAINDIALOG", 104, 78, 312, 190, kBoxStyle, kMainDialog, true),
    Template("MAINDIALOG_MIN", 104, 78, 312, 190, kBoxStyle, kMainDialogMin, true),
    Template("INSTALLMODE", 148, 66, 184, 92, kBoxStyle, kInstallMode, true),
    Template("SOURCEPATH", 112, 82, 266, 78, kBoxStyle, kSourcePath, true),
    Template("SERVERPATH", 102, 74, 280, 74, kBoxStyle, kServerPath, true),
    Template("EDITSYS", 156, 52, 204, 84, kBoxStyle, kEditSys, true),
    Template("EDITEXPRESS", 114, 62, 266, 78, kBoxStyle, kEditExpress, true),
    Template("EDITCUSTOM", 120, 44, 266, 140, kBoxStyle, kEditCustom, true),
    Template("COPYSINGLE", 124, 48, 266, 244, kBoxStyle, kCopySingle, true),
    Template("ALERTBOX", 124, 76, 228, 36, kBoxStyle, kAlertBox, false),
    Template("REPLACEFILE", 124, 60, 248, 64, kBoxStyle, kReplaceFile, false),
    Template("PROGRESS", 108, 106, 280, 60, kBoxStyle, kProgress, false),
    Template("FILEINFOANY", 142, 72, 176, 74, kBoxStyle, kFileInfoAny, false),
    Template("FILEGETNAME", 88, 58, 276, 164, kFileStyle, kFileGetName, false),
};

// Names the template in test output.
inline void PrintTo(const TemplateRow& t, std::ostream* os)
{
    *os << t.name;
}

}  // namespace templates
