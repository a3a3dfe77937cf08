#pragma once
// Whole-file reading for the crossword and bitmap files.
#include <optional>
#include <string>
#include <string_view>

namespace document {

// The bytes of the regular file at `path`; nothing when it cannot be opened or read, is no
// regular file (a folder or a pipe would block or mislead) or is larger than `maxBytes`.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t maxBytes = std::size_t{1} << 30);

}  // namespace document
