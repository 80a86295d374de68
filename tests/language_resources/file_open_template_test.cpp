// FILEGETNAME as the custom template of the platform's file-open dialog.
#include "tests/language_resources/library_support.h"
#include "tests/language_resources/template_tables.h"

#include <gtest/gtest.h>

#include <commdlg.h>

#include <string>
#include <vector>

namespace templates {
namespace {

// What the hook saw of the dialog the platform made from the template.
struct Sighting {
    bool initialised = false;
    std::vector<int> missing;   // table identifiers without a control
    std::wstring infoText;      // our own button 551
    RECT client{};
    RECT templateSize{};
    int fileTypes = 0;          // rows the dialog put into cmb1 (1136)
    std::string firstFileType;
    int drives = 0;             // rows the dialog put into cmb2 (1137)
    int folders = 0;            // rows the dialog put into lst2 (1121)
    bool timedOut = false;
};

Sighting sighting;

// Without OFN_EXPLORER the hook receives the dialog's own messages, after
// the common dialog has filled its controls.
UINT_PTR CALLBACK RecordAndCancel(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG) return 0;
    sighting.initialised = true;
    for (const ControlRow& row : kFileGetName)
        if (row.id != kNoId && !GetDlgItem(dialog, row.id)) sighting.missing.push_back(row.id);
    wchar_t text[32] = {};
    GetDlgItemTextW(dialog, 551, text, 32);
    sighting.infoText = text;
    GetClientRect(dialog, &sighting.client);
    sighting.templateSize = RECT{0, 0, 276, 164};
    MapDialogRect(dialog, &sighting.templateSize);
    sighting.fileTypes = static_cast<int>(SendDlgItemMessageA(dialog, 1136, CB_GETCOUNT, 0, 0));
    char fileType[64] = {};
    if (sighting.fileTypes > 0) SendDlgItemMessageA(dialog, 1136, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(fileType));
    sighting.firstFileType = fileType;
    sighting.drives = static_cast<int>(SendDlgItemMessageA(dialog, 1137, CB_GETCOUNT, 0, 0));
    sighting.folders = static_cast<int>(SendDlgItemMessageA(dialog, 1121, LB_GETCOUNT, 0, 0));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return 0;
}

// Should the hook never run, the dialog is closed all the same.
BOOL CALLBACK CancelDialog(HWND window, LPARAM)
{
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

void CALLBACK GiveUp(HWND, UINT, UINT_PTR, DWORD)
{
    sighting.timedOut = true;
    EnumThreadWindows(GetCurrentThreadId(), CancelDialog, 0);
}

TEST(FileOpenTemplate, CommonDialogRunsOnTheTemplateAndIsCancelled)
{
    ASSERT_NE(Library(), nullptr);
    EnsureFirstTopLevelWindow();
    sighting = Sighting{};

    char file[MAX_PATH] = "";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hInstance = reinterpret_cast<HINSTANCE>(Library());
    ofn.lpstrFilter = "Alle Dateien (*.*)\0*.*\0Textdateien (*.txt)\0*.txt\0";
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrInitialDir = "C:\\";
    ofn.Flags = OFN_ENABLETEMPLATE | OFN_ENABLEHOOK | OFN_HIDEREADONLY;
    ofn.lpTemplateName = "FILEGETNAME";
    ofn.lpfnHook = RecordAndCancel;

    const UINT_PTR timer = SetTimer(nullptr, 0, 10000, GiveUp);
    const BOOL chosen = GetOpenFileNameA(&ofn);
    KillTimer(nullptr, timer);

    EXPECT_FALSE(chosen);
    EXPECT_EQ(CommDlgExtendedError(), 0u);
    EXPECT_FALSE(sighting.timedOut);
    ASSERT_TRUE(sighting.initialised);
    EXPECT_TRUE(sighting.missing.empty()) << "first missing: " << sighting.missing.front();
    EXPECT_EQ(sighting.infoText, L"&Info...");
    EXPECT_EQ(sighting.client.right, sighting.templateSize.right);
    EXPECT_EQ(sighting.client.bottom, sighting.templateSize.bottom);
    EXPECT_EQ(sighting.fileTypes, 2);
    EXPECT_EQ(sighting.firstFileType, "Alle Dateien (*.*)");
    EXPECT_GT(sighting.drives, 0);
    EXPECT_GT(sighting.folders, 0);
}

}  // namespace
}  // namespace templates
