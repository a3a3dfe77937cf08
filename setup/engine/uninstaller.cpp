#include "setup/engine/uninstaller.h"

#include <filesystem>
#include <fstream>

#include "platform/cp1252.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "setup/engine/desktopentry.h"
#include "setup/engine/registrystore.h"
#include "setup/engine/uninstalllog.h"
#include "setup/wizard/core/systemlookups.h"

namespace engine {
namespace fs = std::filesystem;

namespace {

bool inside(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           path.find("/../") == std::string::npos;
}

// A desktop entry belongs to the installation when it starts something inside its folder.
bool entryPointsInto(const fs::path& entry, const std::string& folder) {
    std::ifstream in(entry);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("Path=", 0) == 0 || line.rfind("Exec=", 0) == 0)
            if (line.find(folder) != std::string::npos) return true;
    }
    return false;
}

void removeEmptyFolders(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !it->is_symlink(typeError))
            removeEmptyFolders(it->path());
    }
    if (fs::is_empty(folder, ec) && !ec) fs::remove(folder, ec);
}

void removeMenuEntries(const std::string& productFolder) {
    const KeyPath info{"SOFTWARE", "CrossWord Fennix", "Quenzor", "UnInstallInfo"};
    std::string group = readRegistryString(Hive::LocalMachine, info, "FolderLocation");
    if (group.empty()) return;
    std::error_code ec;
    for (fs::directory_iterator it(group, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".desktop" && entryPointsInto(it->path(), productFolder))
            fs::remove(it->path(), ec);
    const std::string groupFolder = platform::withoutTrailingSeparator(group, '/');
    const std::string programs =
        platform::withoutTrailingSeparator(wizard::startMenuProgramsFolder(), '/');
    // The group's own folder goes when empty; the Programs folder itself always stays.
    if (groupFolder != programs && fs::is_empty(groupFolder, ec) && !ec) {
        fs::remove(groupFolder, ec);
        const auto files =
            menuGroupFiles(platform::utf8ToCp1252(fs::path(groupFolder).filename().string()));
        fs::remove(files.directoryEntry, ec);
        fs::remove(files.menuFile, ec);
    }
}

void removeRegistryValues() {
    deleteRegistryTree(Hive::LocalMachine, {"SOFTWARE", "CrossWord Fennix"});
    deleteRegistryTree(Hive::LocalMachine, {"SOFTWARE", "Microsoft", "Windows", "CurrentVersion",
                                            "UnInstall", "CrossWord Fennix"});
    for (const char* subkey : {"Dictionary", "Skabelon", "ModelOgVej", "Gemmested", "CDRom"})
        deleteRegistryTree(Hive::ClassesRoot, {"W7.Application", subkey});
    platform::RegistryKey root(Hive::ClassesRoot);
    if (auto w7 = root.open("W7.Application"); w7 && w7->subkeys().empty() && w7->values().empty())
        root.deleteKey("W7.Application");
    // The drawing program's picture folder, and the file type it registers at every start.
    deleteRegistryTree(Hive::ClassesRoot, {"Trelmo.Application"});
    deleteRegistryTree(Hive::ClassesRoot, {"Trelmo.Document.1"});
    if (readRegistryString(Hive::ClassesRoot, {".KZT"}, "") == "Trelmo.Document.1")
        deleteRegistryTree(Hive::ClassesRoot, {".KZT"});
}

}  // namespace

UninstallReport uninstallProduct(const std::string& productFolder) {
    UninstallReport report;
    const std::string folder = platform::withTrailingSeparator(productFolder, '/');
    const std::string logPath = folder + "UnInst.inf";
    for (const auto& path : UninstallLog::read(logPath)) {
        std::error_code ec;
        if (inside(path, folder) && (fs::remove(path, ec) || !fs::exists(path, ec)))
            ++report.filesRemoved;
        else
            ++report.filesKept;
    }
    removeMenuEntries(folder);
    removeRegistryValues();
    std::error_code ec;
    fs::remove(logPath, ec);
    fs::remove(folder + "UnInst.exe", ec);
    removeEmptyFolders(folder);
    return report;
}

}  // namespace engine
