#include "platform/registry.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/cp1252.h"
#include "platform/fileio.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace platform {

namespace {

void setCode(int* errorCode, int code) {
    if (errorCode) *errorCode = code;
}

// Holds the store's lock file exclusively for its lifetime.
class StoreLock {
public:
    explicit StoreLock(const std::string& storePath) {
        fd_ = ::open((storePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
        }
    }
    ~StoreLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    bool held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// The store's text; a missing store is empty. Nothing when it exists but cannot be read.
std::optional<std::string> readStoreText(const std::string& storePath) {
    if (auto bytes = readWholeFile(storePath)) return bytes;
    if (isMissing(storePath)) return std::string();
    return std::nullopt;
}

// Applies `change` to the current store under the lock and writes the result when the change
// succeeded and altered the text. False when the store cannot be read or written, or when
// `change` reports failure.
template <typename Change>
bool modifyStore(const std::string& storePath, Change change, int* errorCode = nullptr) {
    const std::string dir = directoryPart(storePath, '/');
    if (!dir.empty()) makeDirectories(dir);
    StoreLock lock(storePath);
    if (!lock.held()) {
        setCode(errorCode, kRegistryAccessDenied);
        return false;
    }
    const auto before = readStoreText(storePath);
    if (!before) {
        setCode(errorCode, kRegistryAccessDenied);
        return false;
    }
    RegistryFile file = RegistryFile::parse(*before);
    if (!change(file)) return false;
    const std::string after = file.serialize();
    if (after == *before) return true;
    if (!writeFileAtomically(storePath, after)) {
        setCode(errorCode, kRegistryAccessDenied);
        return false;
    }
    return true;
}

}  // namespace

std::string registryStorePath() {
    const char* dir = std::getenv("CROSSWORD_REGISTRY");
    if (dir && *dir) return joinPath(dir, "registry.reg", '/');
    return joinPath(joinPath(xdgConfigHome(), "crossword-suite", '/'), "registry.reg", '/');
}

std::optional<RegistryFile> readRegistryStore(const std::string& storePath) {
    const auto text = readStoreText(storePath);
    if (!text) return std::nullopt;
    return RegistryFile::parse(*text);
}

RegistryKey::RegistryKey(Hive hive, std::string storePath)
    : hive_(hive), store_(std::move(storePath)) {}

RegistryKey::RegistryKey(Hive hive, std::string store, std::vector<std::string> names)
    : hive_(hive), store_(std::move(store)), names_(std::move(names)) {}

std::vector<std::string> RegistryKey::below(const std::vector<std::string>& more) const {
    std::vector<std::string> all = names_;
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

std::string RegistryKey::path() const { return keyPath(hive_, names_); }

std::optional<RegistryKey> RegistryKey::open(std::string_view subkey, int* errorCode) const {
    const auto more = splitKeyPath(subkey);
    if (!more) {
        setCode(errorCode, kRegistryBadName);
        return std::nullopt;
    }
    const auto file = readRegistryStore(store_);
    if (!file) {
        setCode(errorCode, kRegistryAccessDenied);
        return std::nullopt;
    }
    std::vector<std::string> names = below(*more);
    if (!file->exists(hive_, names)) {
        setCode(errorCode, kRegistryNotFound);
        return std::nullopt;
    }
    return RegistryKey(hive_, store_, std::move(names));
}

std::optional<RegistryKey> RegistryKey::create(std::string_view subkey, int* errorCode) const {
    const auto more = splitKeyPath(subkey);
    if (!more) {
        setCode(errorCode, kRegistryBadName);
        return std::nullopt;
    }
    std::vector<std::string> names = below(*more);
    const bool made = modifyStore(
        store_,
        [&](RegistryFile& file) {
            file.create(hive_, names);
            return true;
        },
        errorCode);
    if (!made) return std::nullopt;
    return RegistryKey(hive_, store_, std::move(names));
}

std::vector<RegistryValue> RegistryKey::values() const {
    const auto file = readRegistryStore(store_);
    if (!file) return {};
    const RegistrySection* section = file->find(hive_, names_);
    return section ? section->values : std::vector<RegistryValue>{};
}

std::optional<RegistryValue> RegistryKey::firstValue() const {
    auto all = values();
    if (all.empty()) return std::nullopt;
    return std::move(all.front());
}

std::optional<std::string> RegistryKey::readString(std::string_view name) const {
    for (RegistryValue& value : values()) {
        if (!equalsNoCase(value.name, name)) continue;
        if (value.type != ValueType::String && value.type != ValueType::ExpandString) break;
        return std::move(value.text);
    }
    return std::nullopt;
}

std::optional<std::uint32_t> RegistryKey::readDword(std::string_view name) const {
    for (const RegistryValue& value : values()) {
        if (!equalsNoCase(value.name, name)) continue;
        if (value.type != ValueType::Dword) break;
        return value.dword;
    }
    return std::nullopt;
}

std::vector<std::string> RegistryKey::subkeys() const {
    const auto file = readRegistryStore(store_);
    return file ? file->subkeys(hive_, names_) : std::vector<std::string>{};
}

bool RegistryKey::writeValue(RegistryValue value) const {
    return modifyStore(store_, [&](RegistryFile& file) {
        RegistrySection& section = file.create(hive_, names_);
        for (RegistryValue& existing : section.values) {
            if (equalsNoCase(existing.name, value.name)) {
                value.name = existing.name;  // keep the spelling already in the file
                existing = value;
                return true;
            }
        }
        section.values.push_back(value);
        return true;
    });
}

bool RegistryKey::writeString(std::string_view name, std::string_view value) const {
    if (hasLineBreak(name) || hasLineBreak(value)) return false;
    RegistryValue v;
    v.name = std::string(name);
    v.type = ValueType::String;
    v.text = std::string(value);
    return writeValue(std::move(v));
}

bool RegistryKey::writeDword(std::string_view name, std::uint32_t value) const {
    if (hasLineBreak(name)) return false;
    RegistryValue v;
    v.name = std::string(name);
    v.type = ValueType::Dword;
    v.dword = value;
    return writeValue(std::move(v));
}

bool RegistryKey::deleteValue(std::string_view name) const {
    return modifyStore(store_, [&](RegistryFile& file) {
        RegistrySection* section = file.find(hive_, names_);
        if (!section) return false;
        for (auto it = section->values.begin(); it != section->values.end(); ++it) {
            if (equalsNoCase(it->name, name)) {
                section->values.erase(it);
                return true;
            }
        }
        return false;
    });
}

bool RegistryKey::deleteKey(std::string_view subkey) const {
    const auto more = splitKeyPath(subkey);
    if (!more || more->empty()) return false;
    const std::vector<std::string> names = below(*more);
    return modifyStore(store_, [&](RegistryFile& file) { return file.remove(hive_, names); });
}

}  // namespace platform
