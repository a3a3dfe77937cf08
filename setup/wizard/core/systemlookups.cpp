#include "setup/wizard/core/systemlookups.h"

#include <dirent.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <filesystem>

#include "platform/paths.h"
#include "platform/registry.h"

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

namespace {

// A string value of the store; nothing when the key or the value is missing or empty.
std::optional<std::string> storeValue(platform::Hive hive, std::string_view key,
                                      std::string_view name) {
    auto opened = platform::RegistryKey(hive).open(key);
    if (!opened) return std::nullopt;
    auto value = opened->readString(name);
    if (!value || value->empty()) return std::nullopt;
    return value;
}

// A file-type handler: HKCR <extension> names a class V whose SHELL\OPEN\COMMAND has a default
// value. A store without the extension's key answers "present": Linux opens such files itself.
bool handlerProbe(std::string_view extension) {
    platform::RegistryKey root(platform::Hive::ClassesRoot);
    auto type = root.open(extension);
    if (!type) return true;
    auto className = type->readString("");
    if (!className || className->empty()) return false;
    auto command = root.open(*className + "\\SHELL\\OPEN\\COMMAND");
    if (!command) return false;
    auto line = command->readString("");
    return line && !line->empty();
}

}  // namespace

std::string programFilesFolder() {
    if (auto value =
            storeValue(platform::Hive::LocalMachine, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                       "ProgramFilesDir")) {
        return *value;
    }
    if (::geteuid() == 0) return "/opt";
    return platform::homeDirectory() + "/.local/opt";
}

std::string startMenuProgramsFolder() {
    if (auto value = storeValue(
            platform::Hive::CurrentUser,
            "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Programs")) {
        return *value;
    }
    return platform::xdgDataHome() + "/applications";
}

Probes systemProbes() {
    Probes probes;
    probes.htmHandler = handlerProbe(".htm");
    probes.chmHandler = handlerProbe(".chm");
    probes.dcomEnabled = true;
    probes.windows95 = false;
    return probes;
}

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
