#include "setup/engine/filecopy.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "setup/engine/tests/tempfolder.h"

namespace engine {
namespace {
using namespace engine::testing;

mode_t modeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(CopyFile, ReplacesTargetKeepsExecutableBitDropsReadOnlyAndLogs) {
    TempFolder dir;
    writeFile(dir / "medium/prog", "new program");
    ::chmod((dir / "medium/prog").c_str(), 0555);
    writeFile(dir / "target/prog", "old");
    ::chmod((dir / "target/prog").c_str(), 0444);
    UninstallLog log;
    ASSERT_TRUE(log.open(dir / "UnInst.inf"));

    EXPECT_EQ(copyFile(dir / "medium/prog", dir / "target/prog", &log), CopyOutcome::Copied);
    log.close();

    EXPECT_EQ(readFile(dir / "target/prog"), "new program");
    EXPECT_EQ(modeOf(dir / "target/prog"), 0755u);
    EXPECT_EQ(readFile(dir / "UnInst.inf"), dir / "target/prog" + "\r\n");
}

TEST(CopyFile, RefusedCopyIsReportedLeavesNoTraceAndIsNotLogged) {
    TempFolder dir;
    writeFile(dir / "medium/a.dll", "library");
    UninstallLog log;
    log.open(dir / "UnInst.inf");

    EXPECT_EQ(copyFile(dir / "medium/a.dll", dir / "missing-folder/a.dll", &log),
              CopyOutcome::Failed);
    EXPECT_EQ(copyFile(dir / "medium/none.dll", dir / "a.dll", &log), CopyOutcome::Failed);
    writeFile(dir / "locked/a.dll", "old");
    ::chmod((dir / "locked").c_str(), 0555);
    if (::geteuid() != 0) {
        EXPECT_EQ(copyFile(dir / "medium/a.dll", dir / "locked/a.dll", &log), CopyOutcome::Failed);
        EXPECT_EQ(readFile(dir / "locked/a.dll"), "old");
    }
    log.close();
    EXPECT_EQ(readFile(dir / "UnInst.inf"), "");
    EXPECT_FALSE(exists(dir / "a.dll"));
}

TEST(CopyFile, FailIfExistsKeepsThePresentFile) {
    TempFolder dir;
    writeFile(dir / "techncln.ttf", "medium font");
    writeFile(dir / "fonts/techncln.ttf", "user's font");
    EXPECT_EQ(copyFile(dir / "techncln.ttf", dir / "fonts/techncln.ttf", nullptr, true),
              CopyOutcome::KeptExisting);
    EXPECT_EQ(readFile(dir / "fonts/techncln.ttf"), "user's font");
    EXPECT_EQ(copyFile(dir / "techncln.ttf", dir / "fonts/new.ttf", nullptr, true),
              CopyOutcome::Copied);
}

TEST(CopyFolder, CopiesPlainFilesOnlyIntoANewFolder) {
    TempFolder dir;
    writeFile(dir / "Bmps/A/one.bmp", "1");
    writeFile(dir / "Bmps/A/.hidden", "h");
    writeFile(dir / "Bmps/A/sub/deep.bmp", "d");
    UninstallLog log;
    log.open(dir / "UnInst.inf");
    std::string source, target;

    EXPECT_TRUE(copyFolder(dir / "Bmps/A", dir / "out/Bmps/A", &log, source, target));
    log.close();

    EXPECT_EQ(readFile(dir / "out/Bmps/A/one.bmp"), "1");
    EXPECT_TRUE(exists(dir / "out/Bmps/A/.hidden"));
    EXPECT_FALSE(exists(dir / "out/Bmps/A/sub"));
    EXPECT_EQ(UninstallLog::read(dir / "UnInst.inf"),
              (std::vector<std::string>{dir / "out/Bmps/A/.hidden", dir / "out/Bmps/A/one.bmp"}));
}

TEST(CopyFolder, MissingFolderCopiesNothingButARefusedCopyNamesItsPaths) {
    TempFolder dir;
    std::string source, target;
    EXPECT_TRUE(copyFolder(dir / "nothing", dir / "out", nullptr, source, target));

    writeFile(dir / "Walk/w.vej", "w");
    writeFile(dir / "blocked", "a file where the folder should be");
    EXPECT_FALSE(copyFolder(dir / "Walk", dir / "blocked", nullptr, source, target));
    EXPECT_EQ(source, dir / "Walk/w.vej");
    EXPECT_EQ(target, dir / "blocked/w.vej");
}

TEST(SameSize, ComparesWholeRecordsOf128Bytes) {
    struct Case {
        const char* name;
        size_t a, b;
        bool same;
    } cases[] = {
        {"equal", 300, 300, true},
        {"same record count, 127 bytes apart", 128, 255, true},
        {"one byte across a record boundary", 127, 128, false},
        {"both shorter than a record", 0, 127, true},
        {"word list changed by the user", 4096, 5000, false},
    };
    TempFolder dir;
    for (const auto& c : cases) {
        writeFile(dir / "a", std::string(c.a, 'x'));
        writeFile(dir / "b", std::string(c.b, 'y'));
        EXPECT_EQ(sameSize(dir / "a", dir / "b"), c.same) << c.name;
    }
    EXPECT_TRUE(sameSize(dir / "a", dir / "missing")) << "a file that cannot be opened";
    EXPECT_TRUE(sameSize(dir / "missing", dir / "a"));
}

TEST(UninstallLog, AppendsToAnExistingLogWithCrLf) {
    TempFolder dir;
    writeFile(dir / "UnInst.inf", "/first\r\n");
    UninstallLog log;
    ASSERT_TRUE(log.open(dir / "UnInst.inf"));
    log.append("/second");
    log.close();
    EXPECT_EQ(readFile(dir / "UnInst.inf"), "/first\r\n/second\r\n");
    EXPECT_FALSE(log.open(dir / "no/such/folder/UnInst.inf"));
    log.append("/ignored");  // no log: the installation goes on
}

}  // namespace
}  // namespace engine
