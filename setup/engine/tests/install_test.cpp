#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>

#include "platform/profile.h"
#include "platform/registry.h"
#include "setup/engine/tests/installfixture.h"
#include "setup/engine/uninstaller.h"
#include "setup/engine/uninstalllog.h"

namespace engine {
namespace {
using namespace engine::testing;
namespace fs = std::filesystem;

const KeyPath kCdrom{"SOFTWARE", "CrossWord Fennix", "CDROM", "Install"};
const KeyPath kUninstallInfo{"SOFTWARE", "CrossWord Fennix", "Quenzor", "UnInstallInfo"};
const KeyPath kSolverLanguage{"SOFTWARE", "CrossWord Fennix", "Quenzor", "Language"};
const KeyPath kFonts{"SOFTWARE", "Microsoft", "Windows", "CurrentVersion", "Fonts"};
const KeyPath kUninstallEntry{"SOFTWARE",       "Microsoft", "Windows",
                              "CurrentVersion", "UnInstall", "CrossWord Fennix"};

int countLines(const std::string& text, const std::string& prefix) {
    int n = 0;
    for (size_t at = 0; (at = text.find("\n" + prefix, at)) != std::string::npos; ++at) ++n;
    return n;
}

class Install : public ::testing::Test, public InstallFixture {
protected:
    void SetUp() override { ASSERT_TRUE(assembled) << assembleError; }
};

TEST_F(Install, DrawingProgramAloneInEnglish) {
    ASSERT_EQ(install(), InstallResult::Completed);
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_TRUE(view.questions.empty()) << "nothing installed yet, so nothing to ask";
    EXPECT_EQ(view.positions.back(), 100);

    const std::string draw = product + "Draw/";
    std::vector<std::string> expected{product + "UnInst.exe"};
    for (const char* name :
         {"Vartel.exe",   "Vartel.chm",   "kryds.class",  "Picmaru.dll", "grammar.hac",
          "synkilde.hac", "ordkilde.hac", "Lexnode.dll",  "trelmo.ini",  "gempoint.cnf",
          "xwords.dat",   "xwords.idx",   "primero.kzt",  "Bds52f.dll",  "Cw3220.dll",
          "Cw3230.dll",   "Owl52f.dll",   "Bwcc.dll",     "Owl52.dll",   "Bw320007.dll",
          "prueba.kzt",   "Bw320009.dll", "Bw32000c.dll", "Bwcc32.dll"})
        expected.push_back(draw + name);
    for (const char* folder : {"A", "B", "C"})
        for (const char* picture : {"1.bmp", "2.bmp", "3.bmp"})
            expected.push_back(product + "Bmps/" + folder + "/" + picture);
    expected.push_back(product + "Bmps/bmps.ext");
    EXPECT_EQ(UninstallLog::read(product + "UnInst.inf"), expected);
    EXPECT_NE(readFile(product + "UnInst.inf").find(".exe\r\n"), std::string::npos);
    for (const auto& path : expected) EXPECT_TRUE(exists(path)) << path;
    EXPECT_FALSE(exists(product + "Quenzor"));
    EXPECT_FALSE(exists(product + "Brantov"));
    EXPECT_FALSE(exists(product + "Dic"));

    EXPECT_EQ(hklm(kCdrom, "Path"), medium);
    EXPECT_EQ(hklm(kCdrom, "VersionDate"), "2003-01-05");
    EXPECT_EQ(hklm(kUninstallInfo, "InstalledTo"), product);
    EXPECT_EQ(hklm(kUninstallInfo, "FolderLocation"), group);
    EXPECT_EQ(hklm(kSolverLanguage, "MainLanguage"), "") << "no solver values";
    EXPECT_EQ(hkcr({"W7.Application", "Dictionary"}), "") << "no generator keys";
    EXPECT_EQ(hkcr({"Trelmo.Application", "Tegninger"}), product + "Bmps");
    EXPECT_EQ(hklm(kFonts, "Technical (TrueType)"), "techncln.ttf");
    EXPECT_EQ(hklm(kFonts, "Technical Italic (TrueType)"), "techncli.ttf");
    EXPECT_EQ(hklm(kUninstallEntry, "DisplayName"), "Crossword programs");
    EXPECT_EQ(hklm(kUninstallEntry, "UninstallString"), product + "UnInst.exe");

    const auto settings = readFile(draw + "trelmo.ini");
    EXPECT_EQ(countLines(settings, "Pix="), 1);
    EXPECT_TRUE(settings.ends_with("Sqeeze=100\r\n\r\nPix=" + product + "Bmps\r\n"));

    const auto entry = readFile(group + "Pellomir.desktop");
    EXPECT_NE(entry.find("Exec=\"" + draw + "Vartel.exe\"\n"), std::string::npos);
    EXPECT_NE(entry.find("Path=" + draw + "\n"), std::string::npos);
    EXPECT_NE(entry.find("Comment=Designer\n"), std::string::npos);
    EXPECT_NE(readFile(group + "Help for the Pellomir.desktop").find(draw + "Vartel.chm"),
              std::string::npos);
    const auto menu =
        readFile(dir / "home/.config/menus/applications-merged/crossword-Crossword.menu");
    EXPECT_NE(menu.find("<Filename>Pellomir.desktop</Filename>"), std::string::npos);
    EXPECT_TRUE(exists(dir / "home/.local/share/fonts/techncln.ttf"));
    EXPECT_TRUE(exists(dir / "home/.local/share/fonts/techncli.ttf"));
}

TEST_F(Install, InstalledDrawingProgramStartsInItsFolderAndLoadsItsSample) {
    if (std::string(ENGINE_TEST_DRAWING_PROGRAM) == "/bin/true") GTEST_SKIP();
    ASSERT_EQ(install(), InstallResult::Completed);
    const std::string draw = product + "Draw/";
    const std::string command = "cd '" + draw +
                                "' && QT_QPA_PLATFORM=offscreen ./Vartel.exe "
                                "--words primero.kzt >out.txt 2>err.txt";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 0) << readFile(draw + "err.txt");
    EXPECT_EQ(readFile(draw + "err.txt").find("not correctly installed"), std::string::npos);
    EXPECT_FALSE(readFile(draw + "out.txt").empty());
}

TEST_F(Install, DanishDrawingProgramKeepsPicturesInBillederButRegistersBmps) {
    choices.drawingProgramLanguage = 6;  // chosen on the custom page of an English build
    ASSERT_EQ(install(), InstallResult::Completed) << recorder.shown.size();
    const std::string draw = product + "Trelmo/";
    EXPECT_TRUE(exists(draw + "Trelmo.exe"));
    EXPECT_TRUE(exists(draw + "ordfil.dat"));
    EXPECT_TRUE(exists(product + "Billeder/A/1.bmp")) << "the medium's BMPS found as Bmps";
    EXPECT_TRUE(exists(product + "Billeder/bmps.ext"));
    EXPECT_TRUE(readFile(draw + "trelmo.ini").ends_with("\r\nPix=" + product + "Billeder\r\n"));
    EXPECT_EQ(hkcr({"Trelmo.Application", "Tegninger"}), product + "Bmps");
    EXPECT_TRUE(exists(group + "Trelmo.desktop"));
    EXPECT_TRUE(exists(group + "Hj\xC3\xA6lp til Trelmoen.desktop"));
}

TEST_F(Install, TypicalAndCompactInstallAllThreePrograms) {
    typical();
    ASSERT_EQ(install(), InstallResult::Completed);
    EXPECT_TRUE(recorder.shown.empty());
    EXPECT_TRUE(exists(product + "Quenzor/Quenzor.exe"));
    EXPECT_TRUE(exists(product + "Quenzor/QuenzEn.chm"));
    EXPECT_TRUE(exists(product + "Quenzor/SolvEn1.cff"));
    EXPECT_TRUE(exists(product + "Brantov/Skab23.skb"));
    EXPECT_TRUE(exists(product + "Brantov/Skabelon/1.dat"));
    EXPECT_TRUE(exists(product + "Brantov/Walk/1.dat"));
    EXPECT_TRUE(exists(product + "Store/1.dat"));
    EXPECT_TRUE(exists(product + "Dic/EnglishD.ccf"));
    EXPECT_EQ(hklm(kSolverLanguage, "MainLanguage"), "");  // an integer, not a string
    EXPECT_EQ(platform::RegistryKey(Hive::LocalMachine)
                  .open("SOFTWARE\\CrossWord Fennix\\Quenzor\\Dictionary")
                  ->readDword("DictionaryNo"),
              4u);
    EXPECT_EQ(hklm({"SOFTWARE", "CrossWord Fennix", "Quenzor", "InstallDir"}, "Path"), medium);
    EXPECT_EQ(hkcr({"W7.Application", "Skabelon"}), product + "Brantov/Skabelon");
    EXPECT_EQ(hkcr({"W7.Application", "CDRom"}), medium.substr(0, medium.size() - 1));
    EXPECT_TRUE(readFile(product + "Brantov/Brantov.ini")
                    .ends_with("\r\n\r\nGemmested=" + product + "Store\r\nSkabelon=" + product +
                               "Brantov/Skabelon\r\nCDRom=" + medium + "\r\nDictionary=" + product +
                               "Dic\r\nModelOgVej=" + product +
                               "Brantov/Walk\r\nParametre=" + product + "Brantov/Walk\r\n"));
    for (const char* link : {"Quenzor", "Brantov", "Pellomir", "Help for the Quenzor",
                             "Help for the Brantov", "Help for the Pellomir"})
        EXPECT_TRUE(exists(group + link + ".desktop")) << link;

    fs::remove_all(product);
    typical(true);
    ASSERT_EQ(install(), InstallResult::Completed);
    EXPECT_TRUE(exists(product + "Quenzor/Quenzor.exe"));
    EXPECT_FALSE(exists(product + "Quenzor/SolvEn1.cff")) << "a compact solver keeps its "
                                                             "dictionaries on the medium";
}

TEST_F(Install, SecondInstallationKeepsSavedSettingsWithOnePixLine) {
    ASSERT_EQ(install(), InstallResult::Completed);
    const std::string ini = product + "Draw/trelmo.ini";
    ASSERT_TRUE(platform::writeProfileString(ini, "Opsat", "Zoom", "1000"));

    ASSERT_EQ(install(), InstallResult::Completed);
    EXPECT_TRUE(view.questions.empty()) << "an unchanged word list is replaced without asking";
    platform::Profile profile;
    ASSERT_TRUE(profile.load(ini));
    EXPECT_EQ(profile.readString("Opsat", "Zoom"), "1000");
    EXPECT_EQ(profile.readString("Opsat", "Pix"), product + "Bmps");
    EXPECT_EQ(countLines(readFile(ini), "Pix="), 1);
}

TEST_F(Install, ChangedWordListIsKeptWhenTheAnswerIsNo) {
    const std::string draw = product + "Draw/";
    writeFile(draw + "xwords.dat", std::string(5000, 'w'));
    writeFile(draw + "xwords.idx", "user's index");
    view.answer = false;

    ASSERT_EQ(install(), InstallResult::Completed);
    EXPECT_EQ(view.questions, std::vector<std::string>{
                                  "Do you want to overwrite the changes, that you have made to "
                                  "the dictionary for Vartel?"});
    EXPECT_EQ(readFile(draw + "xwords.dat"), std::string(5000, 'w'));
    EXPECT_EQ(readFile(draw + "xwords.idx"), "user's index");
    EXPECT_TRUE(exists(draw + "primero.kzt")) << "the rest of the installation goes on";
}

TEST_F(Install, LibraryOfAnotherSizeStopsBeforeAnythingIsCopied) {
    writeFile(product + "Draw/Owl52.dll", std::string(4096, 'o'));
    ASSERT_EQ(install(), InstallResult::Stopped);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].caption, "Warning");
    EXPECT_EQ(recorder.shown[0].text,
              "Setup has to stop. Unfortunately it is not possible to "
              "copy from " +
                  medium + "Owl52.dll to " + product + "Draw/Owl52.dll.");
    EXPECT_FALSE(exists(product + "UnInst.exe"));
    EXPECT_FALSE(exists(product + "UnInst.inf"));
    EXPECT_EQ(hklm(kUninstallEntry, "DisplayName"), "");
}

TEST_F(Install, RefusedCopyStopsWithTheCopyFailureMessage) {
    fs::create_directories(product + "Draw/Vartel.chm");  // a folder where a file must go
    ASSERT_EQ(install(), InstallResult::Stopped);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].text,
              "Setup has to stop. Unfortunately it is not possible to "
              "copy from " +
                  medium + "Vartel.chm to " + product + "Draw/Vartel.chm.");
    EXPECT_EQ(hkcr({"Trelmo.Application", "Tegninger"}), "") << "not registered as installed";
    EXPECT_EQ(hklm(kUninstallEntry, "UninstallString"), "");
    EXPECT_NE(view.positions.back(), 100);
}

TEST_F(Install, UninstallLeavesNothingBehind) {
    typical();
    ASSERT_EQ(install(), InstallResult::Completed);
    ASSERT_EQ(install(), InstallResult::Completed);  // a log with every line twice
    writeFile(group + "Other program.desktop", "[Desktop Entry]\nExec=/usr/bin/other\n");

    const auto report = uninstallProduct(product);
    EXPECT_EQ(report.filesKept, 0);
    EXPECT_FALSE(exists(product));
    EXPECT_TRUE(exists(choices.destinationBase)) << "only the product folder goes";
    EXPECT_FALSE(exists(group + "Pellomir.desktop"));
    EXPECT_TRUE(exists(group + "Other program.desktop")) << "another program's entry stays";
    EXPECT_EQ(hklm(kCdrom, "Path"), "");
    EXPECT_EQ(hklm(kUninstallInfo, "InstalledTo"), "");
    EXPECT_EQ(hklm(kUninstallEntry, "UninstallString"), "");
    EXPECT_EQ(hkcr({"W7.Application", "Dictionary"}), "");
    EXPECT_EQ(hkcr({"Trelmo.Application", "Tegninger"}), "");
    EXPECT_FALSE(platform::RegistryKey(Hive::LocalMachine).open("SOFTWARE\\CrossWord Fennix"));

    fs::remove(group + "Other program.desktop");
    ASSERT_EQ(install(), InstallResult::Completed);
    uninstallProduct(product);
    EXPECT_FALSE(exists(group));
    EXPECT_FALSE(exists(dir / "home/.config/menus/applications-merged/crossword-Crossword.menu"));
}

TEST_F(Install, UninstallerTrustsTheLogOnlyInsideItsFolder) {
    ASSERT_EQ(install(), InstallResult::Completed);
    writeFile(dir / "precious.txt", "keep");
    writeFile(product + "UnInst.inf", readFile(product + "UnInst.inf") + (dir / "precious.txt") +
                                          "\r\n" + product + "../precious.txt\r\n");
    const auto report = uninstallProduct(product);
    EXPECT_EQ(report.filesKept, 2);
    EXPECT_EQ(readFile(dir / "precious.txt"), "keep");
}

}  // namespace
}  // namespace engine
