// Stand-in for the real installer on the sample medium. It records what the
// launcher gave it (command line, current folder) in kl4_inst.record beside
// itself, loads the language library from its own folder and makes the
// version handshake. With "/tour <folder>" it also shows the library's
// dialog templates one by one and saves a picture of each there.
#include "language/language_library.h"
#include "tools/template_tour.h"

#include <string>

namespace {

using InitFunction = int(__cdecl*)(INT32, HWND, INT32, LanguageInitValues*);

std::string OwnFolder()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Text table row, or "?" when the table is shorter.
std::string Row(HMODULE library, const char* table, int row)
{
    const auto* rows = reinterpret_cast<const char* const*>(GetProcAddress(library, table));
    if (!rows) return "?";
    for (int i = 0; i < row; ++i)
        if (rows[i][0] == '\x04' && rows[i][1] == '\0') return "?";
    return rows[row];
}

std::string LanguageReport(HMODULE library)
{
    if (!library) return "language library: not loadable\n";
    auto init = reinterpret_cast<InitFunction>(reinterpret_cast<void*>(GetProcAddress(library, "OrvaLanguageInit")));
    if (!init) return "language library: no OrvaLanguageInit\n";
    LanguageInitValues values{-1, -1};
    const int result = init(0, nullptr, LANGUAGE_INTERFACE_VERSION, &values);
    const char* name = reinterpret_cast<const char*>(GetProcAddress(library, "eApplicationName"));
    return "language library: handshake " + std::to_string(LANGUAGE_INTERFACE_VERSION) + " -> " +
           std::to_string(result) + " (values " + std::to_string(values.first) + ", " +
           std::to_string(values.second) + ")\n" + "application name: " + (name ? name : "?") + "\n" +
           "message 26: " + Row(library, "eMessageText", 26) + "\n";
}

void WriteRecord(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

// When the launcher created this process, in milliseconds since 1970, for
// timing the launcher from outside.
unsigned long long CreatedUnixMilliseconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
    return ticks / 10000 - 11644473600000ull;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    const std::string folder = OwnFolder();
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);

    HMODULE library = LoadLibraryA((folder + "kl4_lang.dll").c_str());
    std::string record = std::string("command line: ") + GetCommandLineA() + "\n" + "current folder: " + current +
                         "\n" + LanguageReport(library) + "created: " + std::to_string(CreatedUnixMilliseconds()) + "\n";
    // Written in one go, and renamed into place, so a reader never sees half.
    WriteRecord(folder + "kl4_inst.record.tmp", record);
    MoveFileExA((folder + "kl4_inst.record.tmp").c_str(), (folder + "kl4_inst.record").c_str(),
                MOVEFILE_REPLACE_EXISTING);

    const std::string commandLine = GetCommandLineA();
    const size_t tour = commandLine.find(" /tour ");
    if (library && tour != std::string::npos) TourTemplates(library, commandLine.substr(tour + 7).c_str());
    if (library) FreeLibrary(library);
    return 0;
}
