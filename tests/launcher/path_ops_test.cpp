// Path operations of the launcher, as tables of paths.
#include "launcher/launcher.h"
#include "launcher/path_ops.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

struct SplitCase {
    const char* path;
    const char* drive;
    const char* folder;
    const char* base;
    const char* extension;
};

const SplitCase kSplitCases[] = {
    {"C:\\WINDOWS\\TEMP\\kl4_inst.exe", "C:", "\\WINDOWS\\TEMP\\", "kl4_inst", ".exe"},
    {"E:\\setup.exe", "E:", "\\", "setup", ".exe"},
    {"E:\\", "E:", "\\", "", ""},
    {"E:", "E:", "", "", ""},
    {"a:b", "a:", "", "b", ""},
    {"setup.exe", "", "", "setup", ".exe"},
    {"\\\\SERVER\\FREIGABE\\DISK1\\_000030_", "", "\\\\SERVER\\FREIGABE\\DISK1\\", "_000030_", ""},
    {"D:/INSTALL/DISK1/setup.exe", "D:", "/INSTALL/DISK1/", "setup", ".exe"},
    {"D:\\INSTALL/DISK1\\setup", "D:", "\\INSTALL/DISK1\\", "setup", ""},
    {"C:\\VER.1\\README", "C:", "\\VER.1\\", "README", ""},
    {"C:\\VER.1\\", "C:", "\\VER.1\\", "", ""},
    {"C:\\A\\archive.tar.gz", "C:", "\\A\\", "archive.tar", ".gz"},
    {".profile", "", "", "", ".profile"},
    {"", "", "", "", ""},
};

TEST(SplitPathParts, SplitsIntoDriveFolderBaseAndExtension)
{
    for (const SplitCase& c : kSplitCases) {
        char drive[PATH_BUFFER], folder[PATH_BUFFER], base[PATH_BUFFER], extension[PATH_BUFFER];
        SplitPathParts(c.path, drive, folder, base, extension);
        EXPECT_STREQ(drive, c.drive) << c.path;
        EXPECT_STREQ(folder, c.folder) << c.path;
        EXPECT_STREQ(base, c.base) << c.path;
        EXPECT_STREQ(extension, c.extension) << c.path;
    }
}

TEST(SplitPathParts, CutsEveryPartTo255Characters)
{
    const std::string longName(300, 'n');
    const std::string longFolder = "\\" + std::string(300, 'f') + "\\";
    const std::string path = "C:" + longFolder + longName + "." + std::string(300, 'e');
    char drive[PATH_BUFFER], folder[PATH_BUFFER], base[PATH_BUFFER], extension[PATH_BUFFER];
    SplitPathParts(path.c_str(), drive, folder, base, extension);
    EXPECT_EQ(std::string(folder), longFolder.substr(0, 255));
    EXPECT_EQ(std::string(base), longName.substr(0, 255));
    EXPECT_EQ(std::string(extension), "." + std::string(254, 'e'));
}

TEST(SplitPathParts, AcceptsNullOutputs)
{
    char base[PATH_BUFFER];
    SplitPathParts("C:\\X\\name.txt", nullptr, nullptr, base, nullptr);
    EXPECT_STREQ(base, "name");
}

struct JoinCase {
    const char* drive;
    const char* folder;
    const char* base;
    const char* extension;
    const char* expected;
};

const JoinCase kJoinCases[] = {
    {"C:", "\\WINDOWS\\TEMP\\", "kl4_inst", ".exe", "C:\\WINDOWS\\TEMP\\kl4_inst.exe"},
    {"C:", "\\WINDOWS\\TEMP", "kl4_inst", "exe", "C:\\WINDOWS\\TEMP\\kl4_inst.exe"},
    {"Cx", "\\", nullptr, nullptr, "C:\\"},
    {"", "", "name", ".txt", "name.txt"},
    {nullptr, "D:/X/", nullptr, nullptr, "D:/X/"},
    {"E:", nullptr, "setup", nullptr, "E:setup"},
    {nullptr, nullptr, nullptr, nullptr, ""},
};

TEST(JoinPathParts, JoinsWithSeparatorAndDotWhereMissing)
{
    for (const JoinCase& c : kJoinCases) {
        char out[PATH_BUFFER];
        JoinPathParts(out, c.drive, c.folder, c.base, c.extension);
        EXPECT_STREQ(out, c.expected) << c.expected;
    }
}

TEST(JoinPathParts, NeverWritesPastTheBuffer)
{
    const std::string folder(255, 'f'), base(255, 'b'), extension = "." + std::string(254, 'e');
    char out[PATH_BUFFER + 16];
    std::memset(out, '#', sizeof out);
    JoinPathParts(out, "C:", folder.c_str(), base.c_str(), extension.c_str());
    EXPECT_EQ(std::strlen(out), static_cast<size_t>(PATH_BUFFER - 1));
    EXPECT_EQ(out[PATH_BUFFER], '#');
}

TEST(AppendBackslash, AddsOneWhereMissingAndKeepsTheBufferLimit)
{
    const struct {
        std::string path;
        std::string expected;
    } cases[] = {
        {"C:\\TEMP", "C:\\TEMP\\"},
        {"C:\\TEMP\\", "C:\\TEMP\\"},
        {"C:\\TEMP/", "C:\\TEMP/"},
        {"", ""},
        {std::string(258, 'x'), std::string(258, 'x') + "\\"},
        {std::string(259, 'x'), std::string(259, 'x')},
    };
    for (const auto& c : cases) {
        char path[PATH_BUFFER + 1] = {};
        c.path.copy(path, c.path.size());
        AppendBackslash(path);
        EXPECT_EQ(std::string(path), c.expected) << c.path.size() << " characters";
    }
}

TEST(GetPathFolder, GivesDriveAndFolderEndingInBackslash)
{
    const struct {
        const char* path;
        const char* folder;
    } cases[] = {
        {"E:\\setup.exe", "E:\\"},
        {"D:\\INSTALL\\DISK1\\setup.exe", "D:\\INSTALL\\DISK1\\"},
        {"D:/INSTALL/setup.exe", "D:/INSTALL/"},
        {"\\\\SERVER\\SHARE\\setup.exe", "\\\\SERVER\\SHARE\\"},
        {"E:setup.exe", "E:\\"},
        {"setup.exe", ""},
    };
    for (const auto& c : cases) {
        char folder[PATH_BUFFER];
        GetPathFolder(c.path, folder);
        EXPECT_STREQ(folder, c.folder) << c.path;
    }
}

struct ShortenCase {
    const char* path;
    const char* shown;
};

const ShortenCase kShortenCases[] = {
    {"C:\\DOKUMENTE\\ARBEIT\\ENTWURF\\ZEICHNUNGEN\\kl4_inst.exe", "C:\\...\\ENTWURF\\ZEICHNUNGEN\\kl4_inst.exe"},
    {"C:\\WINDOWS\\TEMP\\INSTALLATIONSDATEIEN\\kl4_inst.exe", "C:\\...\\kl4_inst.exe"},
    {"C:\\ABCD\\EFGHIJKLMNOPQRSTUVWXYZ1\\_000010_", "C:\\ABCD\\EFGHIJKLMNOPQRSTUVWXYZ1\\_000010_"},
    {"C:\\TEMP\\SEHRLANGERDATEINAMEOHNEENDE1234567890.txt", "C:\\TEMP\\SEHRLANGERDATEINAMEOHNEENDE1234567890.txt"},
    {"\\\\SERVER\\FREIGABE\\INSTALLATION\\DISK1\\_000030_", "\\...\\INSTALLATION\\DISK1\\_000030_"},
    // 39 characters are shown whole, 40 are shortened.
    {"C:\\AAAAAAAAAAAAAAAAAAAAAAAA\\BB\\_000010_", "C:\\AAAAAAAAAAAAAAAAAAAAAAAA\\BB\\_000010_"},
    {"C:\\AAAAAAAAAAAAAAAAAAAAAAAAA\\BB\\_000010_", "C:\\...\\BB\\_000010_"},
    // A shortening that saves five characters does not stand, one of six does.
    {"C:\\ABCDEFGH\\IJKLMNOPQRSTUVWXYZ1\\_000010_", "C:\\ABCDEFGH\\IJKLMNOPQRSTUVWXYZ1\\_000010_"},
    {"C:\\ABCDEFGHI\\JKLMNOPQRSTUVWXYZ1\\_000010_", "C:\\...\\JKLMNOPQRSTUVWXYZ1\\_000010_"},
    {"short.txt", "short.txt"},
};

TEST(ShortenPath, ShortensLongPathsToTheirLastFolders)
{
    for (const ShortenCase& c : kShortenCases) {
        char out[PATH_BUFFER];
        ShortenPath(c.path, out);
        EXPECT_STREQ(out, c.shown) << c.path << " (" << std::strlen(c.path) << " characters)";
    }
}

// A shortened form that stands fits in 39 characters whenever drive, base
// name and extension are shorter than 35, as they are for the launcher's files.
TEST(ShortenPath, ShortenedFormsOfLauncherFilesFitIn39Characters)
{
    for (int depth = 1; depth < 30; ++depth) {
        std::string path = "C:";
        for (int i = 0; i < depth; ++i) path += "\\FOLDER" + std::to_string(i);
        for (const char* name : {"\\_000010_", "\\kl4_inst.exe", "\\kl4_inst.hlp"}) {
            char out[PATH_BUFFER];
            ShortenPath((path + name).c_str(), out);
            if (path + name != out) {
                EXPECT_LE(std::strlen(out), 39u) << path + name;
            }
        }
    }
}

TEST(ShortenPath, IgnoresNullOutput)
{
    ShortenPath("C:\\DOKUMENTE\\ARBEIT\\ENTWURF\\ZEICHNUNGEN\\kl4_inst.exe", nullptr);
}

// Code page 932: the trail byte of 0x95 0x5C is a backslash byte but no separator.
class DoubleBytePaths : public testing::Test {
protected:
    void SetUp() override
    {
        if (GetACP() != 932) GTEST_SKIP() << "needs code page 932 (run with LC_ALL=ja_JP.UTF-8)";
    }
};

TEST_F(DoubleBytePaths, TrailByteIsNoSeparator)
{
    char drive[PATH_BUFFER], folder[PATH_BUFFER], base[PATH_BUFFER], extension[PATH_BUFFER];
    SplitPathParts("C:\\DIR\\\x95\x5C.txt", drive, folder, base, extension);
    EXPECT_STREQ(folder, "\\DIR\\");
    EXPECT_STREQ(base, "\x95\x5C");
    EXPECT_STREQ(extension, ".txt");

    SplitPathParts("C:\\\x95\x5C\\\x95\x5C", drive, folder, base, extension);
    EXPECT_STREQ(folder, "\\\x95\x5C\\");
    EXPECT_STREQ(base, "\x95\x5C");

    char path[PATH_BUFFER] = "C:\\\x95\x5C";
    AppendBackslash(path);
    EXPECT_STREQ(path, "C:\\\x95\x5C\\");

    char out[PATH_BUFFER];
    JoinPathParts(out, "C:", "\\\x95\x5C", "a", ".txt");
    EXPECT_STREQ(out, "C:\\\x95\x5C\\a.txt");

    GetPathFolder("E:\\\x95\x5C\\setup.exe", out);
    EXPECT_STREQ(out, "E:\\\x95\x5C\\");
}

TEST_F(DoubleBytePaths, ShortenKeepsDoubleByteFoldersWhole)
{
    // The folder's last 21 bytes begin inside a double-byte name; the kept
    // tail starts at the separator after it.
    std::string folder = "\\";
    for (int i = 0; i < 10; ++i) folder += "\x95\x5C";
    folder += "\\ZEICHNUNGEN12345678\\";
    const std::string path = "C:" + folder + "kl4_inst.exe";
    char out[PATH_BUFFER];
    ShortenPath(path.c_str(), out);
    EXPECT_STREQ(out, "C:\\...\\ZEICHNUNGEN12345678\\kl4_inst.exe");
}

}  // namespace
