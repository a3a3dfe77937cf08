#pragma once
// The copy primitives of the installation: one file, the plain files of one folder, a chain
// of folders, and the size comparison that decides the overwrite questions and library checks.
// Paths are Linux paths; the engine composes them from its folders.
#include <string>

#include "setup/engine/uninstalllog.h"

namespace engine {

enum class CopyOutcome { Copied, KeptExisting, Failed };

// Copies source to target through a temporary file beside the target and a rename, so a
// running program file can be replaced and a failed copy leaves the old target intact. The
// target gets the source's permissions plus the owner's write permission (no read-only
// files are installed). With `failIfExists` an existing target is kept. When `log` is given,
// the target path is appended to it unless the copy failed.
CopyOutcome copyFile(const std::string& source, const std::string& target, UninstallLog* log,
                     bool failIfExists = false);

// Copies every plain file of `mediumFolder` (subfolders are skipped) into `targetFolder`,
// creating it first. Stops at the first refused copy and returns false with its two paths
// in failedSource and failedTarget. A folder that cannot be listed copies nothing and is
// not an error.
bool copyFolder(std::string mediumFolder, std::string targetFolder, UninstallLog* log,
                std::string& failedSource, std::string& failedTarget);

// Creates every missing folder of `path`; errors are ignored.
void makePath(const std::string& path);

// True when both files have the same size in whole 128-byte records (the remainder is
// dropped), or when either file cannot be opened.
bool sameSize(const std::string& a, const std::string& b);

}  // namespace engine
