// Runs setup.exe from a medium with its own temporary folder, takes a picture
// of the progress dialog while the files are copied, and reports what
// happened: the files expanded and how the installer was started.
//
//   demo_runner <setup.exe> <temporary folder> <picture.bmp>
#include "launcher/launcher_texts.h"
#include "tools/screenshot.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Environment(const std::string& temp)
{
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* p = strings; *p; p += lstrlenA(p) + 1)
        if (_strnicmp(p, "TEMP=", 5) != 0 && _strnicmp(p, "TMP=", 4) != 0) block += std::string(p) + '\0';
    FreeEnvironmentStringsA(strings);
    return block + "TEMP=" + temp + '\0' + "TMP=" + temp + '\0' + '\0';
}

// The progress dialog: the launcher's caption and its status line.
HWND FindProgressDialog()
{
    for (HWND w = FindWindowA("#32770", szAppTitle); w; w = FindWindowExA(nullptr, w, "#32770", szAppTitle))
        if (GetDlgItem(w, 350) && IsWindowVisible(w)) return w;
    return nullptr;
}

DWORD FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::printf("usage: demo_runner <setup.exe> <temporary folder> <picture.bmp>\n");
        return 2;
    }
    const std::string setup = argv[1], temp = argv[2], picture = argv[3];
    std::string commandLine = "\"" + setup + "\"";
    std::string environment = Environment(temp);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const DWORD start = GetTickCount();
    if (!CreateProcessA(setup.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0], nullptr, &startup,
                        &process)) {
        std::printf("cannot start %s\n", setup.c_str());
        return 1;
    }
    bool pictured = false;
    while (WaitForSingleObject(process.hProcess, 5) == WAIT_TIMEOUT) {
        if (pictured) continue;
        if (HWND dialog = FindProgressDialog()) {
            Sleep(100);  // let it paint
            pictured = SaveWindowImage(dialog, picture.c_str());
        }
    }
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    std::printf("setup.exe ended after %lu ms with exit code %lu\n", GetTickCount() - start, exitCode);
    std::printf("progress dialog picture: %s\n", pictured ? picture.c_str() : "(dialog not seen)");

    const std::string medium = setup.substr(0, setup.find_last_of('\\') + 1);
    for (int i = 0; i < FILE_COUNT; ++i) {
        const std::string from = medium + FileNames[i], to = temp + "\\" + FileNames[i + FILE_COUNT];
        std::printf("  %s (%lu bytes on the medium) -> %s (%lu bytes)\n", FileNames[i], FileSize(from),
                    FileNames[i + FILE_COUNT], FileSize(to));
    }
    const std::string record = temp + "\\kl4_inst.record";
    for (int waited = 0; waited < 10000 && GetFileAttributesA(record.c_str()) == INVALID_FILE_ATTRIBUTES; waited += 50)
        Sleep(50);
    HANDLE file = CreateFileA(record.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::printf("the installer was not started\n");
        return 1;
    }
    char text[4096] = {};
    DWORD read = 0;
    ReadFile(file, text, sizeof text - 1, &read, nullptr);
    CloseHandle(file);
    std::printf("the installer recorded:\n%s", text);
    return exitCode == 0 ? 0 : 1;
}
