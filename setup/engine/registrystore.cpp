#include "setup/engine/registrystore.h"

#include <optional>

#include "platform/paths.h"
#include "platform/registry.h"

namespace engine {
namespace {

std::optional<platform::RegistryKey> openKey(Hive hive, const KeyPath& key, bool create) {
    std::optional<platform::RegistryKey> k = platform::RegistryKey(hive);
    for (const auto& name : key) {
        k = create ? k->create(name) : k->open(name);
        if (!k) return std::nullopt;
    }
    return k;
}

void deleteChildren(const platform::RegistryKey& key) {
    for (const auto& child : key.subkeys()) {
        if (auto k = key.open(child)) deleteChildren(*k);
        key.deleteKey(child);
    }
}

const KeyPath kShellFolders{"Software",       "Microsoft", "Windows",
                            "CurrentVersion", "Explorer",  "Shell Folders"};

}  // namespace

void writeRegistryString(Hive hive, const KeyPath& key, const std::string& name,
                         const std::string& value) {
    if (auto k = openKey(hive, key, true)) k->writeString(name, value);
}

void writeRegistryDword(Hive hive, const KeyPath& key, const std::string& name,
                        std::int32_t value) {
    if (auto k = openKey(hive, key, true)) k->writeDword(name, static_cast<std::uint32_t>(value));
}

std::string readRegistryString(Hive hive, const KeyPath& key, const std::string& name) {
    if (auto k = openKey(hive, key, false)) return k->readString(name).value_or("");
    return "";
}

void deleteRegistryValue(Hive hive, const KeyPath& key, const std::string& name) {
    if (auto k = openKey(hive, key, false)) k->deleteValue(name);
}

void deleteRegistryTree(Hive hive, const KeyPath& key) {
    if (key.empty()) return;
    KeyPath parentPath(key.begin(), key.end() - 1);
    auto parent = openKey(hive, parentPath, false);
    if (!parent) return;
    if (auto k = parent->open(key.back())) deleteChildren(*k);
    parent->deleteKey(key.back());
}

std::string fontsFolderLookup() {
    auto folder = readRegistryString(Hive::CurrentUser, kShellFolders, "Fonts");
    if (folder.empty()) folder = platform::xdgDataHome() + "/fonts";
    return folder;
}

}  // namespace engine
