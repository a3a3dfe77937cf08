#include "setup/engine/settingslines.h"

#include <gtest/gtest.h>

#include "setup/engine/tests/tempfolder.h"

namespace engine {
namespace {
using namespace engine::testing;

TEST(SettingsLines, AppendsAfterAnEmptyLineOnlyToAnExistingFile) {
    TempFolder dir;
    writeFile(dir / "Brantov.ini", "[Brantov]\r\nA=1\r\n");
    EXPECT_TRUE(appendSettingsLines(dir / "Brantov.ini", {"Gemmested=x", "CDRom=/cd/"}));
    EXPECT_EQ(readFile(dir / "Brantov.ini"),
              "[Brantov]\r\nA=1\r\n\r\nGemmested=x\r\nCDRom=/cd/\r\n");
    EXPECT_FALSE(appendSettingsLines(dir / "missing.ini", {"X=1"}));
    EXPECT_FALSE(exists(dir / "missing.ini"));
}

TEST(PictureFolderLine, FreshTemplateGetsThePixLineAppended) {
    TempFolder dir;
    writeFile(dir / "trelmo.ini", "[Opsat]\r\nLedFont=Technical\r\n");
    EXPECT_TRUE(setPictureFolderLine(dir / "trelmo.ini", "/opt/Crossword Fennix/Bmps"));
    EXPECT_EQ(readFile(dir / "trelmo.ini"),
              "[Opsat]\r\nLedFont=Technical\r\n\r\nPix=/opt/Crossword Fennix/Bmps\r\n");
}

TEST(PictureFolderLine, SavedSettingsAreKeptWithExactlyOnePixLine) {
    TempFolder dir;
    // Saved by the drawing program, with a duplicate left by an older installation and the
    // recent-file section after "Opsat".
    writeFile(dir / "trelmo.ini",
              "[Opsat]\r\nZoom=1000\r\nPix=/old/Bmps\r\nLedStor=24\r\n\r\npix=/older\r\n"
              "[Recent]\r\nFile1=/home/a.kzt\r\n");
    EXPECT_TRUE(setPictureFolderLine(dir / "trelmo.ini", "/new/Bmps"));
    EXPECT_EQ(readFile(dir / "trelmo.ini"),
              "[Opsat]\r\nZoom=1000\r\nLedStor=24\r\nPix=/new/Bmps\r\n\r\n"
              "[Recent]\r\nFile1=/home/a.kzt\r\n");
    EXPECT_FALSE(setPictureFolderLine(dir / "none.ini", "/new/Bmps"));
    EXPECT_FALSE(exists(dir / "none.ini"));
}

}  // namespace
}  // namespace engine
