#pragma once
// Path text helpers. The suite's own paths are Windows paths ("c:\Crossword\Bmps\",
// ".\Trelmo.ini"); on Linux the same code runs with '/'. So every text helper takes the
// separator as a parameter and never touches the file system. Only findFileNoCase and the
// XDG helpers look at the real system (with '/').
#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr char kWindowsSeparator = '\\';
inline constexpr char kNativeSeparator = '/';

// `dir` + `name` with exactly one separator between them; an empty `dir` gives `name`.
std::string joinPath(std::string_view dir, std::string_view name, char sep);

// Everything up to and including the last separator ("c:\a\b.kzt" -> "c:\a\"); a bare drive
// ("c:b.kzt") gives "c:"; no separator gives "".
std::string directoryPart(std::string_view path, char sep);
// What follows the directory part ("c:\a\b.kzt" -> "b.kzt"; "c:\a\" -> "").
std::string fileNamePart(std::string_view path, char sep);
// The file name's extension from its last dot, dot included ("b.tar.kzt" -> ".kzt"); "" when
// the name has no dot. A leading dot counts (".ini" -> ".ini"), as on Windows.
std::string extensionPart(std::string_view path, char sep);
// `path` with its extension replaced by `extension` (dot included; "" removes it).
std::string replaceExtension(std::string_view path, std::string_view extension, char sep);

bool hasTrailingSeparator(std::string_view path, char sep);
// Adds the separator when missing. An empty path stays empty (it is the current folder, not
// the root).
std::string withTrailingSeparator(std::string_view path, char sep);
// Removes trailing separators except where they make the root ("\", "c:\", "/").
std::string withoutTrailingSeparator(std::string_view path, char sep);

// The drive letter of a Windows path ("c:\..." or "C:..."), upper case; none for paths that
// do not start with a letter and a colon (all '/' paths).
std::optional<char> driveLetter(std::string_view path);

// `path` with every `from` separator turned into `to` (".\Trelmo.ini" -> "./Trelmo.ini").
std::string convertSeparators(std::string_view path, char from, char to);

// The path of the file called `name` in any letter case inside the native folder `dir`
// ("" is the current folder and gives a path without a folder part). The exact spelling wins
// when it exists; otherwise the first match in byte order of the names, so the choice is
// stable. Letter case follows equalsNoCase (ASCII and the 1252 letters). Nothing when no entry
// matches or the folder cannot be read.
std::optional<std::string> findFileNoCase(const std::string& dir, std::string_view name);

// The file to read or write for `name` in `dir`: the existing one in any letter case, else
// `dir`/`name` as spelt (so writing ".\Trelmo.ini" updates an existing "TRELMO.INI").
std::string pathNoCase(const std::string& dir, std::string_view name);

// A native path whose every component is matched without regard to letter case, e.g.
// "help/Vartel.chm" finding "Help/VARTEL.CHM". Nothing when some component is missing.
std::optional<std::string> findPathNoCase(const std::string& path);

// $XDG_CONFIG_HOME, else $HOME/.config (the variable counts only when absolute).
std::string xdgConfigHome();
// $XDG_DATA_HOME, else $HOME/.local/share.
std::string xdgDataHome();
// $HOME, else the password database's home folder, else "/".
std::string homeDirectory();

}  // namespace platform
