#include "platform/paths.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace platform {
namespace {

struct PartsCase {
    const char* path;
    char sep;
    const char* directory;
    const char* fileName;
    const char* extension;
};

TEST(Paths, PartsOfWindowsAndLinuxPaths) {
    const PartsCase cases[] = {
        {"c:\\Crossword\\Bmps\\hus.bmp", '\\', "c:\\Crossword\\Bmps\\", "hus.bmp", ".bmp"},
        {".\\Trelmo.ini", '\\', ".\\", "Trelmo.ini", ".ini"},
        {"d:\\", '\\', "d:\\", "", ""},
        {"d:setup.exe", '\\', "d:", "setup.exe", ".exe"},
        {"Vartel.chm", '\\', "", "Vartel.chm", ".chm"},
        {"c:\\a.b\\noext", '\\', "c:\\a.b\\", "noext", ""},
        {"c:\\x\\arkiv.tar.kzt", '\\', "c:\\x\\", "arkiv.tar.kzt", ".kzt"},
        {"/home/ole/kryds/uge 12.kzt", '/', "/home/ole/kryds/", "uge 12.kzt", ".kzt"},
        {"c:odd", '/', "", "c:odd", ""},  // no drives on '/' paths
        {"/", '/', "/", "", ""},
    };
    for (const PartsCase& c : cases) {
        EXPECT_EQ(directoryPart(c.path, c.sep), c.directory) << c.path;
        EXPECT_EQ(fileNamePart(c.path, c.sep), c.fileName) << c.path;
        EXPECT_EQ(extensionPart(c.path, c.sep), c.extension) << c.path;
    }
}

TEST(Paths, JoinAndReplaceExtension) {
    EXPECT_EQ(joinPath("C:\\Program Files", "CrossWord", '\\'), "C:\\Program Files\\CrossWord");
    EXPECT_EQ(joinPath("C:\\Program Files\\", "\\CrossWord", '\\'), "C:\\Program Files\\CrossWord");
    EXPECT_EQ(joinPath("", "Trelmo.ini", '/'), "Trelmo.ini");
    EXPECT_EQ(joinPath("/opt/suite", "Bmps", '/'), "/opt/suite/Bmps");

    EXPECT_EQ(replaceExtension("c:\\x\\uge.kzt", ".bmp", '\\'), "c:\\x\\uge.bmp");
    EXPECT_EQ(replaceExtension("c:\\x.d\\uge", ".tif", '\\'), "c:\\x.d\\uge.tif");
    EXPECT_EQ(replaceExtension("/tmp/uge.kzt", "", '/'), "/tmp/uge");
}

TEST(Paths, TrailingSeparators) {
    EXPECT_TRUE(hasTrailingSeparator("c:\\Crossword\\", '\\'));
    EXPECT_FALSE(hasTrailingSeparator("c:\\Crossword", '\\'));
    EXPECT_FALSE(hasTrailingSeparator("/opt/suite/", '\\'));
    EXPECT_EQ(withTrailingSeparator("C:\\Windows\\Start Menu\\Programs", '\\'),
              "C:\\Windows\\Start Menu\\Programs\\");
    EXPECT_EQ(withTrailingSeparator("/opt/", '/'), "/opt/");
    EXPECT_EQ(withTrailingSeparator("", '/'), "");  // the current folder must not become root

    EXPECT_EQ(withoutTrailingSeparator("d:\\CrossWord\\\\", '\\'), "d:\\CrossWord");
    EXPECT_EQ(withoutTrailingSeparator("d:\\", '\\'), "d:\\");
    EXPECT_EQ(withoutTrailingSeparator("\\", '\\'), "\\");
    EXPECT_EQ(withoutTrailingSeparator("/", '/'), "/");
    EXPECT_EQ(withoutTrailingSeparator("/media/cdrom/", '/'), "/media/cdrom");
}

TEST(Paths, DriveLetters) {
    EXPECT_EQ(driveLetter("d:\\setup.exe"), 'D');
    EXPECT_EQ(driveLetter("C:"), 'C');
    EXPECT_EQ(driveLetter("/media/cdrom/setup"), std::nullopt);
    EXPECT_EQ(driveLetter(".\\Trelmo.ini"), std::nullopt);
    EXPECT_EQ(driveLetter("1:\\x"), std::nullopt);
    EXPECT_EQ(driveLetter("c"), std::nullopt);
    EXPECT_EQ(convertSeparators(".\\Trelmo.ini", '\\', '/'), "./Trelmo.ini");
}

class PathsOnDisk : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/paths-test-XXXXXX";
        dir_ = mkdtemp(pattern);
        std::filesystem::create_directory(dir_ + "/Help");
        touch(dir_ + "/TRELMO.INI");
        touch(dir_ + "/trelmo.ini.bak");
        touch(dir_ + "/Help/VARTEL.chm");
        touch(dir_ + "/synkilde.hac");
        touch(dir_ + "/SYNKILDE.HAC");
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    static void touch(const std::string& path) { std::ofstream(path) << "x"; }
    std::string dir_;
};

TEST_F(PathsOnDisk, FindsFilesInAnyLetterCase) {
    EXPECT_EQ(findFileNoCase(dir_, "Trelmo.ini"), dir_ + "/TRELMO.INI");
    EXPECT_EQ(findFileNoCase(dir_ + "/", "trelmo.INI"), dir_ + "/TRELMO.INI");
    EXPECT_EQ(findFileNoCase(dir_, "Trelmo.in"), std::nullopt);
    EXPECT_EQ(findFileNoCase(dir_, "Gempoint.cnf"), std::nullopt);
    EXPECT_EQ(findFileNoCase(dir_ + "/missing", "x"), std::nullopt);
    EXPECT_EQ(findFileNoCase(dir_, "../"), std::nullopt);
    // Several spellings: the exact one, else the first in byte order.
    EXPECT_EQ(findFileNoCase(dir_, "synkilde.hac"), dir_ + "/synkilde.hac");
    EXPECT_EQ(findFileNoCase(dir_, "Synkilde.HAC"), dir_ + "/SYNKILDE.HAC");

    EXPECT_EQ(pathNoCase(dir_, "trelmo.ini"), dir_ + "/TRELMO.INI");
    EXPECT_EQ(pathNoCase(dir_, "Gempoint.cnf"), dir_ + "/Gempoint.cnf");  // to be created

    EXPECT_EQ(findPathNoCase(dir_ + "/help/vartel.CHM"), dir_ + "/Help/VARTEL.chm");
    EXPECT_EQ(findPathNoCase(dir_ + "/help/missing.chm"), std::nullopt);
}

TEST_F(PathsOnDisk, RelativeLookupUsesTheCurrentFolder) {
    const auto old = std::filesystem::current_path();
    std::filesystem::current_path(dir_);
    const auto found = findFileNoCase("", "trelmo.ini");
    const auto nested = findPathNoCase("./HELP/vartel.chm");
    std::filesystem::current_path(old);
    EXPECT_EQ(found, "TRELMO.INI");
    EXPECT_EQ(nested, "./Help/VARTEL.chm");
}

TEST(Paths, XdgFolders) {
    setenv("HOME", "/home/ole", 1);
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(xdgConfigHome(), "/cfg");
    setenv("XDG_CONFIG_HOME", "relative", 1);  // must be absolute to count
    EXPECT_EQ(xdgConfigHome(), "/home/ole/.config");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(xdgDataHome(), "/home/ole/.local/share");
}

}  // namespace
}  // namespace platform
