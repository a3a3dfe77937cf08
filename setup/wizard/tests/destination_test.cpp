#include "setup/wizard/core/destination.h"

#include <gtest/gtest.h>

#include "setup/wizard/core/systemlookups.h"

namespace wizard {
namespace {

TEST(SetDestination, WindowsExamples) {
    struct Row {
        const char* name;
        const char* directory;
        const char* folder;
        const char* base;
        const char* product;
        char drive;
    } rows[] = {
        {"trailing separator added, folder stripped", "D:\\Programme", "\\R\xE4tsel Fennix\\",
         "D:\\Programme\\", "R\xE4tsel Fennix", 'D'},
        {"drive letter kept as written", "e:\\Apps\\", "Crossword Fennix", "e:\\Apps\\",
         "Crossword Fennix", 'e'},
        {"no drive gives c", "\\Programs", "X", "C:\\Programs\\", "X", 'c'},
        {"relative to the current folder", "Sub\\..\\Other", "X", "C:\\Setup\\Other\\", "X", 'c'},
        {"only one separator stripped each side", "C:\\", "\\\\X\\\\", "C:\\", "\\X\\", 'C'},
        {"empty name", "C:\\Program Files", "", "C:\\Program Files\\", "", 'C'},
    };
    for (const Row& r : rows) {
        SetupChoices c;
        setDestination(c, r.directory, r.folder, '\\', "C:\\Setup");
        EXPECT_EQ(c.destinationBase, r.base) << r.name;
        EXPECT_EQ(c.productFolder, r.product) << r.name;
        EXPECT_EQ(c.destinationDrive, r.drive) << r.name;
    }
}

TEST(SetDestination, LinuxPathsHaveNoDrive) {
    SetupChoices c;
    setDestination(c, "/home/ann/.local/opt", "/Crossword Fennix/", '/', "/tmp");
    EXPECT_EQ(c.destinationBase, "/home/ann/.local/opt/");
    EXPECT_EQ(c.productFolder, "Crossword Fennix");
    EXPECT_EQ(c.destinationDrive, 'c');

    setDestination(c, "apps/./x/..", "Y", '/', "/home/ann");
    EXPECT_EQ(c.destinationBase, "/home/ann/apps/");
    setDestination(c, "/", "Y", '/', "/home/ann");
    EXPECT_EQ(c.destinationBase, "/");
    // A Windows-looking name is an ordinary relative folder on Linux.
    setDestination(c, "c:", "Y", '/', "/home/ann");
    EXPECT_EQ(c.destinationBase, "/home/ann/c:/");
    EXPECT_EQ(c.destinationDrive, 'c');
}

TEST(ShortDestination, CutsAtTheFirstSeparatorFromPositionFour) {
    struct Row {
        const char* base;
        std::string folder;
        const char* shown;
    } rows[] = {
        {"C:\\Program Files\\Setup\\", "Crossword Fennix",
         "C:\\Program Files\\...\\Crossword Fennix"},
        {"C:\\Programs\\", "Crossword Fennix", "C:\\Programs\\Crossword Fennix"},  // fits in 30
        {"C:\\", std::string(30, 'x'), "C:\\"},
        {"C:\\ab", std::string(30, 'x'), "C:\\ab"},  // no separator at 4 or later
    };
    for (const Row& r : rows) {
        SetupChoices c;
        c.destinationBase = r.base;
        c.productFolder = r.folder;
        EXPECT_EQ(shortDestination(c, 30, '\\'), r.shown) << r.base;
    }
    SetupChoices c;
    c.destinationBase = "/home/ann/.local/opt/";
    c.productFolder = "Crossword Fennix";
    EXPECT_EQ(shortDestination(c, 30, '/'), "/home/.../Crossword Fennix");
}

TEST(AvailableText, WordAboveOneThousandMegabytes) {
    EXPECT_EQ(availableText(1001, "Enough"), "Enough");
    EXPECT_EQ(availableText(1000, "Enough"), "1000 Mb");
    EXPECT_EQ(availableText(0, "Enough"), "0 Mb");
}

TEST(FreeBytes, AskTheNearestExistingFolder) {
    EXPECT_GT(freeBytesAt("/surely/not/here/Crossword Fennix/"), 0);
    EXPECT_GT(freeBytesAt(TRELMO_SOURCE_DIR), 0);
    EXPECT_EQ(freeBytesAt("not-here-relative"), -1);
}

}  // namespace
}  // namespace wizard
