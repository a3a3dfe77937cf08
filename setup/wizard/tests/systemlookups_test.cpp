#include "setup/wizard/core/systemlookups.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/paths.h"
#include "platform/registry.h"

namespace wizard {
namespace {

namespace fs = std::filesystem;
using platform::Hive;
using platform::RegistryKey;

// Each test gets an empty registry store and folder of its own.
class SystemLookups : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/wizard-lookups-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir = pattern;
        ::setenv("CROSSWORD_REGISTRY", dir.c_str(), 1);
    }
    void TearDown() override { fs::remove_all(dir); }
    void write(Hive hive, const char* key, const char* name, const char* value) {
        auto k = RegistryKey(hive).create(key);
        ASSERT_TRUE(k);
        ASSERT_TRUE(k->writeString(name, value));
    }
    std::string dir;
};

TEST_F(SystemLookups, HandlerProbesReadTheStoreWhenItHasTheKeys) {
    // An empty store: Linux opens these files itself.
    Probes probes = systemProbes();
    EXPECT_TRUE(probes.htmHandler);
    EXPECT_TRUE(probes.chmHandler);
    EXPECT_TRUE(probes.dcomEnabled);
    EXPECT_FALSE(probes.windows95);

    write(Hive::ClassesRoot, ".htm", "", "htmlfile");
    write(Hive::ClassesRoot, ".chm", "", "");
    EXPECT_FALSE(systemProbes().htmHandler);  // class without an open command
    EXPECT_FALSE(systemProbes().chmHandler);  // empty class name
    write(Hive::ClassesRoot, "htmlfile\\shell\\open\\command", "", "browser %1");
    EXPECT_TRUE(systemProbes().htmHandler);
}

TEST_F(SystemLookups, FoldersFromTheStoreElseLinuxDefaults) {
    std::string programFiles = programFilesFolder();
    EXPECT_EQ(programFiles,
              ::geteuid() == 0 ? std::string("/opt") : platform::homeDirectory() + "/.local/opt");
    EXPECT_EQ(fs::path(startMenuProgramsFolder()).filename(), "applications");

    write(Hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
          "/srv/programs");
    write(Hive::CurrentUser,
          "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs",
          "/srv/menu");
    EXPECT_EQ(programFilesFolder(), "/srv/programs");
    EXPECT_EQ(startMenuProgramsFolder(), "/srv/menu");
}

TEST_F(SystemLookups, SubfoldersOnlyAndUnreadableFolderGivesNothing) {
    fs::create_directories(dir + "/menu/Games");
    fs::create_directories(dir + "/menu/Office");
    std::FILE* f = std::fopen((dir + "/menu/file.desktop").c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    auto names = listSubfolders(dir + "/menu/");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Games", "Office"}));
    EXPECT_TRUE(listSubfolders(dir + "/missing").empty());
}

}  // namespace
}  // namespace wizard
