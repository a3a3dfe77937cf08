#include "setup/wizard/core/systemlookups.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>

#include "platform/paths.h"

namespace wizard {

double freeBytesAt(const std::string& path) {
    // The destination folder usually does not exist yet: ask for its nearest existing parent.
    std::filesystem::path probe(path.empty() ? std::string(".") : path);
    std::error_code error;
    while (!std::filesystem::exists(probe, error)) {
        if (!probe.has_parent_path() || probe.parent_path() == probe) return -1;
        probe = probe.parent_path();
    }
    struct statvfs fs {};
    if (::statvfs(probe.c_str(), &fs) != 0) return -1;
    return static_cast<double>(fs.f_bavail) * static_cast<double>(fs.f_frsize);
}

std::string programFilesFolder() {
    // TODO registry store lookup when platform/registry.h lands
    if (::geteuid() == 0) return "/opt";
    return platform::homeDirectory() + "/.local/opt";
}

std::string startMenuProgramsFolder() { return platform::xdgDataHome() + "/applications"; }

Probes systemProbes() { return Probes{}; }

std::vector<std::string> listSubfolders(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        bool isDir = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
            struct stat st {};
            isDir = ::stat(platform::joinPath(folder, name, '/').c_str(), &st) == 0 &&
                    S_ISDIR(st.st_mode);
        }
        if (isDir) names.push_back(name);
    }
    ::closedir(dir);
    return names;
}

}  // namespace wizard
