#pragma once
// The wizard's questions to this machine: free space, the folders it installs into, and the
// prerequisite probes, answered from the file system and the registry store.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "setup/wizard/core/neededspace.h"

namespace wizard {

// Free bytes for an unprivileged user on the file system holding `path` (or its nearest
// existing parent); -1 when the query fails.
double freeBytesAt(const std::string& path);

// The program files folder: the registry store's "ProgramFilesDir" when it has a value,
// otherwise /opt for root and ~/.local/opt for everyone else.
std::string programFilesFolder();

// The Start menu's Programs folder: the registry store's Shell Folders "Programs" when it has a
// value, otherwise the freedesktop applications folder ($XDG_DATA_HOME/applications).
std::string startMenuProgramsFolder();

// The probes on this system: no Windows 95 and DCOM present; the htm and chm handlers answer
// from the registry store's keys when the store has them and count as present otherwise.
Probes systemProbes();

// Names of the subfolders of `folder` in directory order ("." and ".." excluded); an error
// ends the listing with what was read so far.
std::vector<std::string> listSubfolders(const std::string& folder);

}  // namespace wizard
