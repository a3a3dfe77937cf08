#include "setup/engine/prerequisites.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "setup/engine/tests/tempfolder.h"

namespace engine {
namespace {
using I = Installer;

TEST(Prerequisites, FinishStartsTheInstallersTheProbesCallFor) {
    struct Case {
        bool htm, chm, dcom, win95;
        std::vector<Installer> started;
    } cases[] = {
        {true, true, true, true, {}},
        {true, true, true, false, {}},
        {true, false, true, true, {I::Browser}},
        {true, false, true, false, {I::HelpEngine}},
        {true, true, false, true, {I::Browser}},
        {true, true, false, false, {I::Dcom}},
        {true, false, false, true, {I::Browser, I::Dcom}},
        {true, false, false, false, {I::HelpEngine, I::Dcom}},
    };
    for (const auto& c : cases) {
        wizard::Probes p{c.htm, c.chm, c.dcom, c.win95};
        EXPECT_EQ(installersToStart(p), c.started)
            << "chm " << c.chm << " dcom " << c.dcom << " win95 " << c.win95;
    }
    for (int bits = 0; bits < 8; ++bits) {
        wizard::Probes p{false, (bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0};
        EXPECT_EQ(installersToStart(p), std::vector<Installer>{I::Browser}) << bits;
    }
}

TEST(Prerequisites, NeededSpaceReservesRoomExactlyWhenTheBrowserInstallerWillStart) {
    wizard::SetupChoices drawingAlone;
    drawingAlone.installSolver = drawingAlone.installGenerator = false;
    for (int bits = 0; bits < 16; ++bits) {
        wizard::Probes p{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
        const auto started = installersToStart(p);
        const bool browser = std::find(started.begin(), started.end(), I::Browser) != started.end();
        EXPECT_EQ(wizard::neededSpaceMb(drawingAlone, p), browser ? 323 : 163) << bits;
    }
}

TEST(Prerequisites, CommandLinesComeFromTheLanguageFolderOfTheMedium) {
    wizard::SetupChoices c;
    c.ie5Folder = "D:\\ie5\\";
    c.hhUpdFolder = "D:\\HHUpd\\";
    EXPECT_EQ(installerCommand(I::Browser, c, 6, '\\').program, "D:\\ie5\\da\\ie5setup.exe");
    EXPECT_EQ(installerCommand(I::HelpEngine, c, 7, '\\').program, "D:\\HHUpd\\de\\hhupd.exe");
    const auto dcom = installerCommand(I::Dcom, c, 10, '\\');
    EXPECT_EQ(dcom.program, "D:\\ie5\\es\\Dcom95.exe");
    EXPECT_EQ(dcom.arguments, std::vector<std::string>{"/c"});
    EXPECT_EQ(installerCommand(I::Browser, c, 12, '\\').program, "D:\\ie5\\en\\ie5setup.exe");
}

TEST(Prerequisites, StartsWithoutWaitingAndSkipsMissingInstallers) {
    testing::TempFolder dir;
    wizard::SetupChoices c;
    c.ie5Folder = dir.path() + "ie5/";
    c.hhUpdFolder = dir.path() + "HHUpd/";
    // Only the DCOM installer is on this medium; the help engine's is missing.
    testing::writeFile(c.ie5Folder + "en/Dcom95.exe",
                       "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/ran\"\n");
    ::chmod((c.ie5Folder + "en/Dcom95.exe").c_str(), 0755);

    startInstallers({true, false, false, false}, c, startDetached, 9);

    const auto marker = c.ie5Folder + "en/ran";
    for (int i = 0; i < 200 && testing::readFile(marker).empty(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(testing::readFile(marker), "/c\n");
}

}  // namespace
}  // namespace engine
