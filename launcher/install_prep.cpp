// The launcher's work: copy the installer and its companions from the medium
// into the temporary folder, expanding packed files, and start the installer.
#include "launcher/launcher.h"
#include "launcher/launcher_texts.h"
#include "launcher/path_ops.h"

#include <lzexpand.h>

namespace {

// wsprintfA writes at most 1024 bytes; the copy-failure message with two
// paths that could not be shortened needs more than TEXT_BUFFER.
constexpr int MESSAGE_BUFFER = 1024;

void ShowFailure(const char* text)
{
    MessageBoxA(hwndMain, text, szAppTitle, MB_OK);
}

void ReportCopyFailure(const char* source, const char* destination)
{
    char shortSource[TEXT_BUFFER];
    char shortDestination[TEXT_BUFFER];
    char text[MESSAGE_BUFFER];
    ShortenPath(source, shortSource);
    ShortenPath(destination, shortDestination);
    wsprintfA(text, MsgCopyFailed[nLanguage], shortSource, shortDestination);
    ShowFailure(text);
}

bool CopyAll()
{
    for (int i = 0; i < FILE_COUNT; ++i) {
        char source[TEXT_BUFFER];
        char destination[TEXT_BUFFER];
        wsprintfA(source, "%s%s", szSourceDir, FileNames[i]);
        wsprintfA(destination, "%s%s", szTempDir, FileNames[i + FILE_COUNT]);
        if (!CopyInstallFile(source, destination)) {
            ReportCopyFailure(source, destination);
            return false;
        }
    }
    return true;
}

void StartInstaller()
{
    char application[TEXT_BUFFER];
    char commandLine[TEXT_BUFFER];
    wsprintfA(application, "%s%s", szTempDir, FileNames[FILE_COUNT]);
    wsprintfA(commandLine, "%s /a \"%s\"", application, szSourceDir);

    STARTUPINFOA startup;
    GetStartupInfoA(&startup);
    PROCESS_INFORMATION process;
    // The installer runs on its own; its handles go with this process.
    if (!CreateProcessA(application, commandLine, nullptr, nullptr, FALSE, CREATE_DEFAULT_ERROR_MODE, nullptr,
                        szTempDir, &startup, &process))
        ShowFailure(MsgStartFailed[nLanguage]);
}

}  // namespace

void PrepareInstallation()
{
    ShowProgressDialog(TRUE);
    SetCursor(hcurWait);
    // Without both folders the files would go to, or come from, a wrong place.
    if (!szSourceDir[0])
        ShowFailure(MsgSourceUnknown[nLanguage]);
    else if (!szTempDir[0])
        ShowFailure(MsgTempUnknown[nLanguage]);
    else if (CopyAll())
        StartInstaller();
    PostMessageA(hwndMain, WM_CLOSE, 0, 0);
}

BOOL CopyInstallFile(const char* source, const char* destination)
{
    SetCursor(hcurWait);
    OFSTRUCT sourceInfo;
    OFSTRUCT destinationInfo;
    const INT from = LZOpenFileA(const_cast<char*>(source), &sourceInfo, OF_READ);
    if (from < 0) return FALSE;
    // The destination is opened plainly: on failure the LZ open would create
    // the name ending in "_" instead, and the copy would land in a wrong file.
    const HFILE to = OpenFile(destination, &destinationInfo, OF_CREATE);
    if (to < 0) {
        LZClose(from);
        return FALSE;
    }
    const LONG copied = LZCopy(from, to);
    if (copied >= 0) SetCursor(hcurArrow);
    LZClose(from);
    LZClose(to);
    return copied >= 0;
}
