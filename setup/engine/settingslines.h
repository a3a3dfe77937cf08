#pragma once
// The lines the installation adds to the programs' settings files.
#include <string>
#include <vector>

namespace engine {

// Appends an empty line and then `lines` to the existing file `path`, each ended by carriage
// return and line feed. A missing file gets nothing; false then or on a write error.
bool appendSettingsLines(const std::string& path, const std::vector<std::string>& lines);

// Gives the drawing program's settings file exactly one "Pix=" line in its section "Opsat".
// A fresh copy of the template (which ends with that section and holds no "Pix=") gets it
// appended after an empty line; a file the user's settings were saved in keeps every other
// line, loses any earlier "Pix=" lines of the section and gets the new one in the section.
bool setPictureFolderLine(const std::string& path, const std::string& pictureFolder);

}  // namespace engine
