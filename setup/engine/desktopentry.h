#pragma once
// Shortcuts and the program group as freedesktop files: a shortcut is a desktop entry
// (name + ".desktop") in the program group folder; the group itself is a menu directory entry
// plus a merged menu file, so that desktop menus show the group with its entries.
// Names and descriptions are code page 1252 text; the files are written in UTF-8.
#include <string>
#include <vector>

namespace engine {

// The desktop entry's file name for a shortcut name (1252): UTF-8, '/' replaced.
std::string desktopFileName(const std::string& name);

// Writes link (a ".desktop" path) starting `target` in `workingDirectory`. A target that is
// not an executable file is opened with xdg-open. False when the file cannot be written.
bool createShortcut(const std::string& target, const std::string& link, const std::string& name,
                    const std::string& description, const std::string& workingDirectory);

// The files that make a program group visible in the desktop menus.
struct MenuGroupFiles {
    std::string directoryEntry;  // $XDG_DATA_HOME/desktop-directories/<id>.directory
    std::string menuFile;        // $XDG_CONFIG_HOME/menus/applications-merged/<id>.menu
};
MenuGroupFiles menuGroupFiles(const std::string& groupName);

// Writes both files for the group named `groupName` (1252) whose desktop entries lie in
// `groupFolder`; the menu lists every ".desktop" file found there now.
bool createMenuGroup(const std::string& groupName, const std::string& groupFolder);

// The Exec value for running `program` with `args`, quoted as desktop entries require.
std::string execLine(const std::vector<std::string>& words);

}  // namespace engine
