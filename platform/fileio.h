#pragma once
// Whole-file reading and atomic replacement. Paths are native (POSIX) paths.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The bytes of the regular file at `path`, or nullopt when it cannot be opened or read, is no
// regular file (a folder or a pipe would block or mislead) or is larger than kMaxFileBytes
// (`error` gets the reason).
inline constexpr std::size_t kMaxFileBytes = std::size_t{1} << 30;
std::optional<std::string> readWholeFile(const std::string& path, std::string* error = nullptr);

// True when nothing at all stands at `path` (a missing file reads as empty in several places;
// a file that exists but cannot be read must not).
bool isMissing(const std::string& path);

// Replaces `path` with `bytes` so that readers see either the old or the new file, never a
// part: writes a temporary file in the same folder, flushes it to disk and renames it over
// `path`. A symbolic link at `path` is followed (its target is replaced). An existing file keeps
// its permissions; a new one gets 0666 minus the umask. On failure the old file is untouched,
// the temporary file is removed and `error` says why.
bool writeFileAtomically(const std::string& path, std::string_view bytes,
                         std::string* error = nullptr);

// Creates `dir` and its missing parents (mode 0777 minus the umask). True when it exists after.
bool makeDirectories(const std::string& dir);

}  // namespace platform
