#include "platform/profile.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "platform/fileio.h"

namespace platform {
namespace {

// A settings file as people and older program versions leave it.
const char kSettings[] =
    "; Trelmo settings\r\n"
    "stray=before any section\r\n"
    "[Opsat]\r\n"
    "  Bredde = 13  \r\n"
    "hojde=10\r\n"
    "LosFont=\"Arial\"\r\n"
    "LedFont='Technical'\r\n"
    "Zoom=1090abc\r\n"
    "Losning=\r\n"
    "Sqeeze=-5\r\n"
    "Pix=\"c:\\Crossword\\Bmps\r\n"
    "just text\r\n"
    "bredde=99\r\n"
    "\r\n"
    "[ Recent Files ]\r\n"
    "File1=c:\\kryds\\uge1.kzt\r\n"
    "\r\n"
    "[opsat]\r\n"
    "Late=1\r\n";

TEST(Profile, ReadsWithTheWindowsRules) {
    const Profile p = Profile::fromText(kSettings);
    struct Case {
        const char* section;
        const char* key;
        std::optional<std::string> value;
    };
    const Case cases[] = {
        {"Opsat", "Bredde", "13"},                  // blanks around name and value
        {"OPSAT", "HOJDE", "10"},                   // letter case of section and key
        {"Opsat", "LosFont", "Arial"},              // double quotes dropped
        {"Opsat", "LedFont", "Technical"},          // single quotes dropped
        {"Opsat", "Pix", "\"c:\\Crossword\\Bmps"},  // unmatched quote kept
        {"Opsat", "Losning", ""},                   // present but empty
        {"Opsat", "Late", std::nullopt},            // only the first section of a name counts
        {"Opsat", "stray", std::nullopt},           // lines above every section
        {"Opsat", "just text", std::nullopt},       // no '='
        {"Recent Files", "file1", "c:\\kryds\\uge1.kzt"},
        {"Missing", "Bredde", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(p.readString(c.section, c.key), c.value) << c.key;
    EXPECT_EQ(p.readString("Opsat", "MasFont", "dflt"), "dflt");
}

TEST(Profile, IntegersFollowGetPrivateProfileInt) {
    const Profile p = Profile::fromText(kSettings);
    EXPECT_EQ(p.readInt("Opsat", "Bredde", 7), 13);  // first of two keys wins
    EXPECT_EQ(p.readInt("Opsat", "Zoom", 7), 1090);  // leading digits
    EXPECT_EQ(p.readInt("Opsat", "Sqeeze", 7), -5);
    EXPECT_EQ(p.readInt("Opsat", "Losning", 7), 0);  // present, no digits
    EXPECT_EQ(p.readInt("Opsat", "LosFont", 7), 0);
    EXPECT_EQ(p.readInt("Opsat", "MasFont", 7), 7);  // missing

    const std::pair<const char*, int> values[] = {
        {"42", 42},
        {"+8", 8},
        {" -0012 ", -12},
        {"--1", 0},
        {"- 1", 0},
        {"3.9", 3},
        {"0x10", 0},
        {"", 0},
        {"99999999999", 2147483647},
        {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [text, expected] : values) EXPECT_EQ(parseProfileInt(text), expected) << text;
}

TEST(Profile, WritingKeepsEveryOtherLine) {
    Profile p = Profile::fromText(kSettings);
    ASSERT_TRUE(p.writeString("opsat", "BREDDE", "15"));  // in place, file's spelling
    ASSERT_TRUE(p.writeInt("Opsat", "MasFont", 3));       // appended before the blank line
    ASSERT_TRUE(p.writeString("Recent Files", "File2", "b"));
    ASSERT_TRUE(p.writeString("Nyt", "Key", "v"));  // new section at the end
    EXPECT_EQ(p.toText(),
              "; Trelmo settings\r\n"
              "stray=before any section\r\n"
              "[Opsat]\r\n"
              "Bredde=15\r\n"
              "hojde=10\r\n"
              "LosFont=\"Arial\"\r\n"
              "LedFont='Technical'\r\n"
              "Zoom=1090abc\r\n"
              "Losning=\r\n"
              "Sqeeze=-5\r\n"
              "Pix=\"c:\\Crossword\\Bmps\r\n"
              "just text\r\n"
              "bredde=99\r\n"
              "MasFont=3\r\n"
              "\r\n"
              "[ Recent Files ]\r\n"
              "File1=c:\\kryds\\uge1.kzt\r\n"
              "File2=b\r\n"
              "\r\n"
              "[opsat]\r\n"
              "Late=1\r\n"
              "\r\n"
              "[Nyt]\r\n"
              "Key=v\r\n");
}

TEST(Profile, RefusesTextThatWouldBreakTheFile) {
    Profile p = Profile::fromText("[Opsat]\nA=1\n");
    const std::string before = p.toText();
    EXPECT_FALSE(p.writeString("Opsat", "A", "1\r\n[Evil]"));
    EXPECT_FALSE(p.writeString("Opsat", "B=C", "1"));
    EXPECT_FALSE(p.writeString("Ops]at", "A", "1"));
    EXPECT_FALSE(p.writeString("Opsat", "", "1"));
    EXPECT_FALSE(p.writeString("", "A", "1"));
    EXPECT_FALSE(p.writeString("Opsat", ";A", "1"));
    EXPECT_EQ(p.toText(), before);
}

TEST(Profile, DeletesAndLists) {
    Profile p = Profile::fromText(kSettings);
    EXPECT_EQ(p.sections(), (std::vector<std::string>{"Opsat", "Recent Files"}));
    EXPECT_EQ(p.keys("opsat"), (std::vector<std::string>{"Bredde", "hojde", "LosFont", "LedFont",
                                                         "Zoom", "Losning", "Sqeeze", "Pix"}));
    EXPECT_TRUE(p.keys("Missing").empty());

    EXPECT_TRUE(p.deleteKey("Opsat", "bredde"));
    EXPECT_EQ(p.readString("Opsat", "Bredde"), "99");  // the second spelling now comes first
    EXPECT_FALSE(p.deleteKey("Opsat", "Nothing"));
    EXPECT_TRUE(p.deleteSection("recent files"));
    EXPECT_FALSE(p.hasSection("Recent Files"));
    EXPECT_TRUE(p.hasSection("Opsat"));
    EXPECT_FALSE(p.deleteSection("Recent Files"));
    EXPECT_EQ(p.lines().back(), "Late=1");
}

TEST(Profile, ReadsLfAndUnterminatedLastLine) {
    const Profile p = Profile::fromText("[Opsat]\nZoom=1091\nHojde=12");
    EXPECT_EQ(p.readInt("Opsat", "Zoom", 0), 1091);
    EXPECT_EQ(p.readInt("Opsat", "Hojde", 0), 12);
    EXPECT_EQ(p.toText(), "[Opsat]\r\nZoom=1091\r\nHojde=12\r\n");
    EXPECT_EQ(Profile::fromText("").toText(), "");
}

class ProfileFile : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/profile-test-XXXXXX";
        dir_ = mkdtemp(pattern);
        path_ = dir_ + "/Trelmo.ini";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::string dir_;
    std::string path_;
};

TEST_F(ProfileFile, MissingFileReadsDefaultsAndIsCreatedOnWrite) {
    EXPECT_EQ(readProfileInt(path_, "Opsat", "Zoom", 1090), 1090);
    EXPECT_EQ(readProfileString(path_, "Opsat", "Pix", ""), "");
    ASSERT_TRUE(writeProfileString(path_, "Opsat", "Zoom", "1091"));
    ASSERT_TRUE(writeProfileString(path_, "Opsat", "Pix", "c:\\Bmps"));
    EXPECT_EQ(readWholeFile(path_), "[Opsat]\r\nZoom=1091\r\nPix=c:\\Bmps\r\n");
    EXPECT_EQ(readProfileInt(path_, "opsat", "zoom", 0), 1091);
}

TEST_F(ProfileFile, FailedSaveReportsItAndLeavesNoTemporaryFile) {
    // A folder in the file's place makes the final rename fail, even for root.
    std::filesystem::create_directory(path_);
    std::ofstream(path_ + "/keep") << "x";
    Profile p = Profile::fromText("[Opsat]\nZoom=5\n");
    std::string error;
    EXPECT_FALSE(p.save(path_, &error));
    EXPECT_NE(error.find(path_), std::string::npos) << error;
    EXPECT_TRUE(std::filesystem::exists(path_ + "/keep"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir_), {}), 1);
}

TEST_F(ProfileFile, UnreadableFileIsAnErrorNotAnEmptyProfile) {
    std::filesystem::create_directory(path_);  // a folder where the file should be
    Profile p;
    std::string error;
    EXPECT_FALSE(p.load(path_, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(writeProfileString(path_, "Opsat", "Zoom", "1"));
}

}  // namespace
}  // namespace platform
