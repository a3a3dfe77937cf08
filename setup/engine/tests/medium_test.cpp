// The assembled medium end to end: the setup program installs unattended, the installed
// drawing program starts from its folder, the installed uninstaller removes it all.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/wait.h>

#include "setup/engine/tests/tempfolder.h"

namespace engine {
namespace {
using namespace engine::testing;

class Medium : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("HOME", (dir / "home").c_str(), 1);
        ::unsetenv("XDG_DATA_HOME");
        ::unsetenv("XDG_CONFIG_HOME");
        ::setenv("CROSSWORD_REGISTRY", (dir / "registry").c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // Runs a shell command; the exit code, with its standard error in `err`.
    int run(const std::string& command) {
        const int status = std::system((command + " 2>'" + (dir / "err.txt") + "'").c_str());
        err = readFile(dir / "err.txt");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempFolder dir;
    std::string err;
    const std::string setup = std::string(ENGINE_TEST_MEDIUM) + "/setup";
};

TEST_F(Medium, SetupInstallsUnattendedTheProgramRunsAndTheUninstallerRemovesIt) {
    ASSERT_EQ(run("'" + setup + "' --silent --dest '" + (dir / "opt") + "'"), 0) << err;
    EXPECT_EQ(err, "");
    const std::string product = dir / "opt/Crossword Fennix/";
    ASSERT_TRUE(exists(product + "Draw/Vartel.exe"));

    EXPECT_EQ(run("cd '" + product + "Draw' && ./Vartel.exe --words primero.kzt >/dev/null"), 0)
        << err;
    EXPECT_EQ(err.find("not correctly installed"), std::string::npos) << err;

    EXPECT_EQ(run("'" + product + "UnInst.exe' >/dev/null"), 0) << err;
    EXPECT_FALSE(exists(product));
    EXPECT_FALSE(exists(dir / "home/.local/share/applications/Crossword"));
}

TEST_F(Medium, StoppedInstallationExitsNonZeroWithTheMessageOnStandardError) {
    writeFile(dir / "opt/Crossword Fennix/Draw/Lexnode.dll", std::string(2000, 'x'));
    EXPECT_EQ(run("'" + setup + "' --silent --dest '" + (dir / "opt") + "'"), 1);
    EXPECT_NE(err.find("Warning: Setup has to stop."), std::string::npos) << err;
    EXPECT_FALSE(exists(dir / "opt/Crossword Fennix/UnInst.inf"));
    EXPECT_EQ(run("'" + setup + "' --silent --type huge"), 2);
}

}  // namespace
}  // namespace engine
