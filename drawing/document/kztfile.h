#pragma once
// Saving and loading a crossword document: the .kzt file and the plain letter grid import.
#include <string>
#include <string_view>

#include "crossword.h"

namespace document {

enum class LoadResult {
    Loaded,   // the header passed: grid, code fields and pictures were replaced
    Refused,  // the file could not be read or its header was refused; document untouched
};

struct LoadOptions {
    // Folder of the crossword file: relative picture paths that are not found from the
    // working directory are looked for here. Empty = the working directory only.
    std::string crosswordFolder;
    // Folder holding the replacement bitmap "help.bmp" (the program's start folder).
    std::string startDir;
    // False: picture records are read but no bitmap file is opened (fuzzing, tools).
    bool readBitmaps = true;
};

// Reads the file at `path` into `doc` (pictures relative to the working directory, then to
// the file's folder). On success `modified` and `untitled` become false.
LoadResult Load(Crossword& doc, const std::string& path, std::string startDir = ".");
// The same from bytes already in memory.
LoadResult LoadBytes(Crossword& doc, std::string_view bytes, const LoadOptions& options);

// Writes `doc` to `path` through a temporary file in the same folder that replaces the old
// file only when everything was written. On success `modified` and `untitled` become false;
// on failure a message is shown, the old file stays as it was and the flags stay.
bool Save(Crossword& doc, const std::string& path);
// The file's bytes.
std::string SaveToString(const Crossword& doc);

}  // namespace document
