#pragma once
// The uninstaller "UnInst.exe": removes what an installation into one product folder left:
// every file its log "UnInst.inf" lists, the folders that become empty, the desktop entries
// and menu group of its program group, and the registry values the installation wrote.
#include <string>

namespace engine {

struct UninstallReport {
    int filesRemoved = 0;
    int filesKept = 0;  // listed but not removable, or outside the product folder
};

// `productFolder` is the folder holding "UnInst.inf" (normally the uninstaller's own folder).
// Files the log names outside that folder are left alone: the log is only trusted for what
// the installation put into its own folder.
UninstallReport uninstallProduct(const std::string& productFolder);

}  // namespace engine
