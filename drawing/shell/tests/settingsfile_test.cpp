#include "drawing/shell/settingsfile.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "drawing/shell/recentfiles.h"

namespace shell {
namespace {

render::DrawSettings read(const std::string& text, std::string pictureDir = "c:\\reg") {
    render::DrawSettings settings;
    ReadSettings(platform::Profile::fromText(text), settings, pictureDir);
    return settings;
}

TEST(Settings, MissingFileGivesTheDefaults) {
    std::string pictureDir = "from registry";
    render::DrawSettings s;
    s.defaultWidth = 99;  // every field is read, none kept from before
    ReadSettings(platform::Profile{}, s, pictureDir);
    EXPECT_EQ(s.defaultWidth, 13);
    EXPECT_EQ(s.defaultHeight, 10);
    EXPECT_DOUBLE_EQ(s.zoomPercent, 109.0);
    EXPECT_EQ(s.showSolution, 1);
    EXPECT_STREQ(s.clueFont.faceName, "Technical");
    EXPECT_EQ(s.clueFont.height, 20);
    EXPECT_EQ(s.clueFont.weight, 600);
    EXPECT_STREQ(s.solutionFont.faceName, "Arial");
    EXPECT_EQ(s.solutionFont.weight, 400);
    EXPECT_EQ(s.solutionFont.pitchAndFamily, 0x32);
    EXPECT_DOUBLE_EQ(s.squeeze, 1.0);
    EXPECT_DOUBLE_EQ(s.fontSqueeze, 100);
    EXPECT_EQ(s.arrowThickness, 1);
    EXPECT_EQ(s.lineThickness, 1);
    EXPECT_EQ(s.letterWeight, 400);
    EXPECT_EQ(s.centreText, 0);
    EXPECT_EQ(pictureDir, "from registry");
}

TEST(Settings, ValuesAreConvertedAsStored) {
    const auto s = read(
        "[Opsat]\r\nLosFont=Courier\r\nLedFont=Times\r\nLedStor=-24\r\nZoom=1000\r\n"
        "Losning=5\r\nMidtstil=257\r\nSqeeze=90\r\nMasFont=80\r\n");
    EXPECT_STREQ(s.solutionFont.faceName, "Courier");
    EXPECT_STREQ(s.clueFont.faceName, "Times");
    EXPECT_EQ(s.clueFont.height, -24);
    EXPECT_DOUBLE_EQ(s.zoomPercent, 100.0);
    EXPECT_EQ(s.showSolution, 1);
    EXPECT_EQ(s.centreText, 1);  // low byte only
    EXPECT_DOUBLE_EQ(s.squeeze, 0.9);
    EXPECT_DOUBLE_EQ(s.fontSqueeze, 80);
}

TEST(Settings, PixOverridesTheRegistryFolder) {
    std::string pictureDir = "c:\\reg";
    render::DrawSettings s;
    ReadSettings(platform::Profile::fromText("[Opsat]\nPix=/home/pictures\n"), s, pictureDir);
    EXPECT_EQ(pictureDir, "/home/pictures");
}

TEST(Settings, SaveSetupWritesBackWhatWasRead) {
    const std::string text =
        "[Opsat]\r\nLosFont=Courier\r\nLedFont=Times\r\nLedStor=22\r\nBredde=15\r\nHojde=12\r\n"
        "Losning=5\r\nZoom=1091\r\nMasFont=80\r\nPix=/pix\r\nMidtstil=1\r\nPiltyk=3\r\n"
        "Bogstavtyk=700\r\nStregtyk=2\r\nSqeeze=90\r\n";
    platform::Profile profile = platform::Profile::fromText(text);
    render::DrawSettings s;
    std::string pictureDir;
    ReadSettings(profile, s, pictureDir);

    WriteSettings(profile, s, pictureDir, 0.9);
    // Losning=5 is saved as 1; everything else comes back unchanged.
    std::string expected = text;
    expected.replace(expected.find("Losning=5"), 9, "Losning=1");
    EXPECT_EQ(profile.toText(), expected);

    WriteSettings(profile, s, pictureDir, std::nullopt);
    EXPECT_EQ(profile.readInt("Opsat", "Sqeeze", 0), 100);
}

TEST(Settings, WrittenZoomIsRoundedTenths) {
    platform::Profile profile;
    render::DrawSettings s;
    s.zoomPercent = 109.96;
    WriteSettings(profile, s, "", std::nullopt);
    EXPECT_EQ(profile.readInt("Opsat", "Zoom", 0), 1100);
    EXPECT_EQ(profile.readInt("Opsat", "Losning", -1), 1);
}

class RecentFilesTest : public ::testing::Test {
protected:
    std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("recent-" + std::to_string(::getpid()));
    std::string ini = (dir / "Trelmo.ini").string();
    void SetUp() override {
        std::filesystem::create_directories(dir);
        platform::Profile settings = platform::Profile::fromText("[Opsat]\r\nZoom=1000\r\n");
        ASSERT_TRUE(settings.save(ini));
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(RecentFilesTest, KeepsFourNewestFirstAndWritesAtOnce) {
    RecentFiles list;
    list.open(ini);
    for (const char* path : {"/a.kzt", "/b.kzt", "/c.kzt", "/d.kzt", "/e.kzt", "/c.kzt"}) {
        list.add(path);
    }
    const std::vector<std::string> expected = {"/c.kzt", "/e.kzt", "/d.kzt", "/b.kzt"};
    EXPECT_EQ(list.entries(), expected);

    // A fresh reader (the next start, or after a crash) sees the same list.
    RecentFiles again;
    again.open(ini);
    EXPECT_EQ(again.entries(), expected);
    platform::Profile profile;
    ASSERT_TRUE(profile.load(ini));
    EXPECT_EQ(profile.readInt("Opsat", "Zoom", 0), 1000);  // the settings are left alone
}

TEST(SettingsPath, FindsTheFileInAnyLetterCase) {
    const auto dir = std::filesystem::temp_directory_path() / ("case-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    EXPECT_EQ(SettingsPath(dir.string()), (dir / "Trelmo.ini").string());
    std::FILE* f = std::fopen((dir / "TRELMO.INI").c_str(), "w");
    std::fclose(f);
    EXPECT_EQ(SettingsPath(dir.string()), (dir / "TRELMO.INI").string());
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace shell
