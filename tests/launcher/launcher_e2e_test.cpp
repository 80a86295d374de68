// The launcher end to end: setup.exe started from a medium under Wine, with
// its own temporary folder, watched for message boxes.
#include "launcher/launcher.h"
#include "launcher/launcher_texts.h"
#include "launcher/path_ops.h"
#include "tests/support/message_box_watcher.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

const std::string kFixtures = FIXTURE_DIR;
const char* const kSources[] = {"_000010_", "_000020_", "_000030_"};
const char* const kDestinations[] = {"kl4_inst.exe", "kl4_inst.hlp", "kl4_lang.dll"};
const char* const kFixtureFiles[] = {"installer.exe", "help.hlp", "lang.dll"};

enum class Packing { Plain, Packed };

std::string Fixture(int file, Packing packing)
{
    return JoinPath(kFixtures, std::string(kFixtureFiles[file]) + (packing == Packing::Packed ? ".packed" : ""));
}

std::string Expanded(int file)
{
    return ReadWholeFile(Fixture(file, Packing::Plain));
}

std::string WithBackslash(std::string folder)
{
    if (folder.back() != '\\') folder += '\\';
    return folder;
}

// Puts setup.exe and the three sources into the folder.
void PutMedium(const std::string& folder, Packing packing)
{
    ASSERT_TRUE(CopyFileA(BIN_DIR "\\setup.exe", JoinPath(folder, "setup.exe").c_str(), FALSE));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(CopyFileA(Fixture(i, packing).c_str(), JoinPath(folder, kSources[i]).c_str(), FALSE));
}

struct SetupRun {
    DWORD exitCode = 0xDEAD;
    std::vector<std::string> boxes;
};

// The environment of this process with TEMP and TMP pointing at tempDir.
std::string EnvironmentWithTemp(const std::string& tempDir)
{
    std::string block;
    char* strings = GetEnvironmentStringsA();
    for (const char* p = strings; *p; p += lstrlenA(p) + 1) {
        const std::string entry = p;
        if (_strnicmp(p, "TEMP=", 5) == 0 || _strnicmp(p, "TMP=", 4) == 0) continue;
        block += entry + '\0';
    }
    FreeEnvironmentStringsA(strings);
    block += "TEMP=" + tempDir + '\0' + "TMP=" + tempDir + '\0' + '\0';
    return block;
}

SetupRun RunSetup(const std::string& setup, const std::string& tempDir, const std::string& arguments = "",
                  std::function<void(HWND)> inspectBox = nullptr)
{
    SetupRun run;
    MessageBoxWatcher watcher(szAppTitle, inspectBox);
    std::string commandLine = "\"" + setup + "\"" + (arguments.empty() ? "" : " " + arguments);
    std::string environment = EnvironmentWithTemp(tempDir);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(setup.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0], TEST_WORK_DIR,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start " << setup;
        return run;
    }
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0) << "setup.exe did not end";
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    run.boxes = watcher.Texts();
    return run;
}

// What the sample installer recorded, once it has written it.
std::string InstallerRecord(const std::string& tempDir, DWORD timeoutMs = 15000)
{
    const std::string path = JoinPath(tempDir, "kl4_inst.record");
    for (DWORD waited = 0; waited < timeoutMs && !FileExists(path); waited += 20) Sleep(20);
    return ReadWholeFile(path);
}

std::string Line(const std::string& record, const std::string& key)
{
    const size_t start = record.find(key + ": ");
    if (start == std::string::npos) return "<no " + key + ">";
    const size_t end = record.find('\n', start);
    return record.substr(start + key.size() + 2, end - start - key.size() - 2);
}

std::string CopyFailedText(const std::string& source, const std::string& destination)
{
    char shortSource[PATH_BUFFER], shortDestination[PATH_BUFFER], text[1024];
    ShortenPath(source.c_str(), shortSource);
    ShortenPath(destination.c_str(), shortDestination);
    wsprintfA(text, MsgCopyFailed[0], shortSource, shortDestination);
    return text;
}

// A started installer got "<temp>kl4_inst.exe /a "<medium>\"" and the
// temporary folder as its current folder.
void ExpectInstallerStarted(const std::string& medium, const std::string& temp)
{
    const std::string record = InstallerRecord(temp);
    ASSERT_FALSE(record.empty()) << "the installer was not started";
    EXPECT_EQ(Line(record, "command line"),
              WithBackslash(temp) + "kl4_inst.exe /a \"" + WithBackslash(medium) + "\"");
    EXPECT_EQ(lstrcmpiA(WithBackslash(Line(record, "current folder")).c_str(), WithBackslash(temp).c_str()), 0)
        << Line(record, "current folder");
}

void ExpectAllCopied(const std::string& temp)
{
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ReadWholeFile(JoinPath(temp, kDestinations[i])) == Expanded(i)) << kDestinations[i];
}

class LauncherEndToEnd : public testing::Test {
protected:
    void SetUp() override
    {
        const std::string name = testing::UnitTest::GetInstance()->current_test_info()->name();
        const std::string root = FreshFolder("launcher\\" + name);
        medium_ = FreshFolder("launcher\\" + name + "\\medium");
        temp_ = FreshFolder("launcher\\" + name + "\\temp");
        (void)root;
    }

    std::string medium_;
    std::string temp_;
};

TEST_F(LauncherEndToEnd, CopiesExpandsAndStartsTheInstaller)
{
    const struct {
        const char* name;
        Packing packing;
        const char* arguments;
        bool largerDestination;
    } cases[] = {
        {"packed files are expanded", Packing::Packed, "", false},
        {"plain files are copied unchanged", Packing::Plain, "", false},
        {"arguments change nothing", Packing::Packed, "/a \"X:\\\" -quiet /s 42", false},
        {"a larger existing destination is truncated", Packing::Packed, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string medium = FreshFolder(std::string("launcher\\runs\\") + c.name + "\\medium");
        const std::string temp = FreshFolder(std::string("launcher\\runs\\") + c.name + "\\temp");
        PutMedium(medium, c.packing);
        if (c.largerDestination)
            WriteWholeFile(JoinPath(temp, "kl4_inst.exe"), std::string(3 * Expanded(0).size(), 'x'));
        const SetupRun run = RunSetup(JoinPath(medium, "setup.exe"), temp, c.arguments);
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_TRUE(run.boxes.empty());
        ExpectAllCopied(temp);
        ExpectInstallerStarted(medium, temp);
    }
}

TEST_F(LauncherEndToEnd, MissingSourceStopsWithTheCopyMessage)
{
    PutMedium(medium_, Packing::Packed);
    DeleteFileA(JoinPath(medium_, "_000020_").c_str());
    const SetupRun run = RunSetup(JoinPath(medium_, "setup.exe"), temp_);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], CopyFailedText(JoinPath(medium_, "_000020_"), JoinPath(temp_, "kl4_inst.hlp")));
    EXPECT_NE(run.boxes[0].find("\\...\\"), std::string::npos) << "long paths are shown shortened";
    EXPECT_TRUE(ReadWholeFile(JoinPath(temp_, "kl4_inst.exe")) == Expanded(0)) << "the first copy stays";
    EXPECT_FALSE(FileExists(JoinPath(temp_, "kl4_inst.hlp")));
    EXPECT_FALSE(FileExists(JoinPath(temp_, "kl4_lang.dll")));
    EXPECT_TRUE(InstallerRecord(temp_, 1000).empty()) << "nothing may be started";
}

TEST_F(LauncherEndToEnd, UnwritableDestinationStopsWithTheCopyMessage)
{
    PutMedium(medium_, Packing::Packed);
    const std::string locked = JoinPath(temp_, "kl4_inst.hlp");
    WriteWholeFile(locked, "in use");
    HANDLE holder = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    const SetupRun run = RunSetup(JoinPath(medium_, "setup.exe"), temp_);
    CloseHandle(holder);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], CopyFailedText(JoinPath(medium_, "_000020_"), locked));
    EXPECT_EQ(ReadWholeFile(locked), "in use");
    EXPECT_FALSE(FileExists(JoinPath(temp_, "kl4_inst.hl_"))) << "no copy under another name";
    EXPECT_FALSE(FileExists(JoinPath(temp_, "kl4_lang.dll")));
    EXPECT_TRUE(InstallerRecord(temp_, 1000).empty());
}

TEST_F(LauncherEndToEnd, InstallerThatCannotStartIsReported)
{
    PutMedium(medium_, Packing::Packed);
    ASSERT_TRUE(CopyFileA(JoinPath(kFixtures, "not_a_program.exe").c_str(), JoinPath(medium_, "_000010_").c_str(),
                          FALSE));
    const SetupRun run = RunSetup(JoinPath(medium_, "setup.exe"), temp_);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], MsgStartFailed[0]);
    EXPECT_EQ(ReadWholeFile(JoinPath(temp_, "kl4_inst.exe")), ReadWholeFile(JoinPath(kFixtures, "not_a_program.exe")));
    EXPECT_TRUE(FileExists(JoinPath(temp_, "kl4_lang.dll"))) << "copied files stay";
}

TEST_F(LauncherEndToEnd, MediumAtDriveRoot)
{
    // Drive E: of the test bed's prefix is a folder of the build tree.
    const std::string root = "E:\\";
    RemoveTree("E:\\setup.exe");
    for (const char* source : kSources) RemoveTree(JoinPath(root, source));
    PutMedium(root, Packing::Packed);
    const SetupRun run = RunSetup("E:\\setup.exe", temp_);
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_TRUE(run.boxes.empty());
    ExpectAllCopied(temp_);
    ExpectInstallerStarted(root, temp_);
    EXPECT_NE(Line(InstallerRecord(temp_), "command line").find(" /a \"E:\\\""), std::string::npos);
}

TEST_F(LauncherEndToEnd, MediumPathWithUmlauts)
{
    const std::string medium = FreshFolder("launcher\\MediumPathWithUmlauts\\Medium Gr\xF6\xDF" "e \xE4\xFC");
    PutMedium(medium, Packing::Packed);
    const SetupRun run = RunSetup(JoinPath(medium, "setup.exe"), temp_);
    EXPECT_TRUE(run.boxes.empty());
    ExpectAllCopied(temp_);
    ExpectInstallerStarted(medium, temp_);
}

TEST_F(LauncherEndToEnd, TooLongTemporaryFolderIsReportedAndNothingIsWritten)
{
    PutMedium(medium_, Packing::Packed);
    std::string deep = temp_;
    while (deep.size() < 250) deep = JoinPath(deep, "sehr_langer_ordner");
    for (size_t i = temp_.size() + 1; i <= deep.size(); ++i)
        if (i == deep.size() || deep[i] == '\\') CreateDirectoryA(deep.substr(0, i).c_str(), nullptr);
    const SetupRun run = RunSetup(JoinPath(medium_, "setup.exe"), deep);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], MsgTempUnknown[0]);
    for (const char* name : kDestinations) {
        EXPECT_FALSE(FileExists(JoinPath(deep, name))) << name;
        EXPECT_FALSE(FileExists(JoinPath(TEST_WORK_DIR, name))) << name;
        EXPECT_FALSE(FileExists(JoinPath(medium_, name))) << name;
    }
}

TEST_F(LauncherEndToEnd, TooLongLauncherPathIsReportedAndNothingIsWritten)
{
    std::string deep = medium_;
    while (deep.size() < 236) deep = JoinPath(deep, "medium");
    for (size_t i = medium_.size() + 1; i <= deep.size(); ++i)
        if (i == deep.size() || deep[i] == '\\') CreateDirectoryA(deep.substr(0, i).c_str(), nullptr);
    PutMedium(deep, Packing::Packed);
    const SetupRun run = RunSetup(JoinPath(deep, "setup.exe"), temp_);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], MsgSourceUnknown[0]);
    for (const char* name : kDestinations) EXPECT_FALSE(FileExists(JoinPath(temp_, name))) << name;
}

// Whether a window carries the look's property.
bool HasLook(HWND window)
{
    const ATOM atom = GlobalFindAtomA("C3d");
    return atom && GetPropA(window, MAKEINTATOM(atom));
}

TEST_F(LauncherEndToEnd, DialogsGetTheLookBelowWindows4Only)
{
    // Programs of these names are told Windows NT 3.51 and Windows 10.
    const struct {
        const char* name;
        bool look;
    } cases[] = {{"setup_nt351.exe", true}, {"setup_win10.exe", false}};
    for (const auto& c : cases) {
        PutMedium(medium_, Packing::Packed);
        const std::string setup = JoinPath(medium_, c.name);
        ASSERT_TRUE(MoveFileExA(JoinPath(medium_, "setup.exe").c_str(), setup.c_str(), MOVEFILE_REPLACE_EXISTING));
        DeleteFileA(JoinPath(medium_, "_000020_").c_str());
        // While the failure box is open, the progress dialog is still there.
        bool boxLook = !c.look, progressLook = !c.look, progressStatusLook = !c.look, progressSeen = false;
        const SetupRun run = RunSetup(setup, temp_, "", [&](HWND box) {
            boxLook = HasLook(box);
            for (HWND w = FindWindowA("#32770", szAppTitle); w; w = FindWindowExA(nullptr, w, "#32770", szAppTitle)) {
                if (!GetDlgItem(w, IDC_STATUS)) continue;
                progressSeen = true;
                progressLook = HasLook(w);
                progressStatusLook = HasLook(GetDlgItem(w, IDC_STATUS));
            }
        });
        EXPECT_EQ(run.exitCode, 0u) << c.name;
        ASSERT_EQ(run.boxes.size(), 1u) << c.name;
        EXPECT_TRUE(progressSeen) << c.name;
        EXPECT_EQ(progressLook, c.look) << c.name << ": progress dialog";
        EXPECT_EQ(progressStatusLook, c.look) << c.name << ": its status text";
        EXPECT_EQ(boxLook, c.look) << c.name << ": message box";
        DeleteFileA(setup.c_str());
    }
}

// Run by launcher_full_disk_test with SMALL_DISK_DIR on a 256 KiB tmpfs.
TEST(LauncherFullDisk, FullDiskStopsWithTheCopyMessage)
{
    char small[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("SMALL_DISK_DIR", small, MAX_PATH)) GTEST_SKIP() << "no small disk given";
    const std::string medium = FreshFolder("launcher\\FullDisk\\medium");
    ASSERT_TRUE(CopyFileA(BIN_DIR "\\setup.exe", JoinPath(medium, "setup.exe").c_str(), FALSE));
    WriteWholeFile(JoinPath(medium, "_000010_"), "kleines Programm");
    std::string big(1 << 20, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 2654435761u) >> 13);
    WriteWholeFile(JoinPath(medium, "_000020_"), big);
    WriteWholeFile(JoinPath(medium, "_000030_"), "Sprachbibliothek");

    const SetupRun run = RunSetup(JoinPath(medium, "setup.exe"), small);
    EXPECT_EQ(run.exitCode, 0u);
    ASSERT_EQ(run.boxes.size(), 1u);
    EXPECT_EQ(run.boxes[0], CopyFailedText(JoinPath(medium, "_000020_"), JoinPath(small, "kl4_inst.hlp")));
    EXPECT_EQ(ReadWholeFile(JoinPath(small, "kl4_inst.exe")), "kleines Programm");
    EXPECT_FALSE(FileExists(JoinPath(small, "kl4_lang.dll")));
}

}  // namespace
