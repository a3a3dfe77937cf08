#pragma once
// The destination of the installation: where it goes and how the pages show it. The text
// helpers take the path separator, so the same code serves Windows-style paths and '/'.
#include <cstdint>
#include <string>
#include <string_view>

#include "setup/wizard/setupchoices.h"

namespace wizard {

// `path` made absolute against `currentDir` (used only for a relative path) with "." and ".."
// parts resolved. A drive-letter path ("c:\x") is absolute only with '\\' as separator.
std::string fullPath(std::string_view path, char sep, std::string_view currentDir);

// Sets destinationDrive (the drive part's first character as written, 'c' without one),
// destinationBase (`directory` expanded, ending in `sep` unless empty) and productFolder
// (`name` without one leading and one trailing separator).
void setDestination(SetupChoices& choices, std::string_view directory, std::string_view name,
                    char sep, std::string_view currentDir);

// destinationBase + productFolder, shortened to "<base up to its first separator at position
// 4 or later>...<sep>productFolder" when longer than `maxLength`.
std::string shortDestination(const SetupChoices& choices, std::size_t maxLength, char sep);

// The free-space figure as the pages show it: `enoughWord` above 1000 Mb, else "<n> Mb".
std::string availableText(std::int32_t freeMb, const std::string& enoughWord);

}  // namespace wizard
