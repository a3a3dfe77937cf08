#include "setup/engine/desktopentry.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include "setup/engine/tests/tempfolder.h"

namespace engine {
namespace {
using namespace engine::testing;

TEST(DesktopEntry, ProgramShortcutRunsTheProgramInItsFolder) {
    TempFolder dir;
    const std::string program = dir / "Crossword Fennix/Draw/Vartel.exe";
    writeFile(program, "#!/bin/sh\n");
    ::chmod(program.c_str(), 0755);
    ASSERT_TRUE(createShortcut(program, dir / "Pellomir.desktop", "Pellomir", "Designer",
                               dir / "Crossword Fennix/Draw/"));
    EXPECT_EQ(readFile(dir / "Pellomir.desktop"),
              "[Desktop Entry]\nType=Application\nName=Pellomir\nComment=Designer\n"
              "Exec=\"" +
                  program + "\"\nPath=" + (dir / "Crossword Fennix/Draw/") + "\nTerminal=false\n");
}

TEST(DesktopEntry, DocumentTargetOpensWithTheDesktopAndNamesAreUtf8) {
    TempFolder dir;
    const std::string help = dir / "Trelmo/Trelmo.chm";
    writeFile(help, "<html></html>");
    const std::string name = "Hj\xE6lp til Trelmoen";
    const std::string link = dir.path() + desktopFileName(name);
    ASSERT_TRUE(createShortcut(help, link, name, "Hj\xE6lp til Trelmo-programmet", dir.path()));
    EXPECT_EQ(link, dir / "Hj\xC3\xA6lp til Trelmoen.desktop");
    const auto text = readFile(link);
    EXPECT_NE(text.find("Name=Hj\xC3\xA6lp til Trelmoen\n"), std::string::npos);
    EXPECT_NE(text.find("Exec=xdg-open " + help + "\n"), std::string::npos);
}

TEST(DesktopEntry, ExecQuotesWhatTheShellWouldSplit) {
    EXPECT_EQ(execLine({"/opt/a b/x", "100%", "$HOME\\\""}),
              "\"/opt/a b/x\" \"100%%\" \"\\$HOME\\\\\\\"\"");
    EXPECT_EQ(execLine({"/opt/plain"}), "/opt/plain");
}

TEST(MenuGroup, ListsTheGroupsEntriesInAMergedMenu) {
    TempFolder dir;
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    const std::string group = dir / "data/applications/Crossword/";
    writeFile(group + "Pellomir.desktop", "");
    writeFile(group + "Help for the Pellomir.desktop", "");
    writeFile(group + "notes.txt", "");

    ASSERT_TRUE(createMenuGroup("Crossword & Co", group));

    const auto files = menuGroupFiles("Crossword & Co");
    EXPECT_EQ(files.directoryEntry,
              dir / "data/desktop-directories/crossword-Crossword & Co.directory");
    EXPECT_EQ(readFile(files.directoryEntry),
              "[Desktop Entry]\nType=Directory\nName=Crossword & Co\n");
    const auto menu = readFile(files.menuFile);
    EXPECT_NE(menu.find("<Name>Crossword &amp; Co</Name>"), std::string::npos);
    EXPECT_NE(menu.find("<AppDir>" + group + "</AppDir>"), std::string::npos);
    EXPECT_NE(menu.find("<Filename>Help for the Pellomir.desktop</Filename>\n"
                        "      <Filename>Pellomir.desktop</Filename>"),
              std::string::npos);
    EXPECT_EQ(menu.find("notes.txt"), std::string::npos);
}

}  // namespace
}  // namespace engine
