#pragma once
// The registry store shared by the drawing program and the setup program: keys and values
// (strings, 32-bit integers) under HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE and
// HKEY_CURRENT_USER, kept in one REGEDIT4 text file (see registryfile.h) that administrators
// and tests may also write by hand.
//
// Where: registryStorePath(). Every call reads the file afresh, so a handle always sees what
// other programs wrote. A write takes an exclusive flock on "registry.reg.lock" beside the file,
// re-reads the file, changes it and replaces it atomically, so writers in several processes
// never lose each other's values; readers need no lock (they see the old or the new file).
// A missing store is an empty registry. Names compare without regard to letter case; values
// keep the order in which they were first written.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registryfile.h"

namespace platform {

// $CROSSWORD_REGISTRY/registry.reg when the variable is set and not empty, else
// <xdgConfigHome()>/crossword-suite/registry.reg. Read at every call.
std::string registryStorePath();

// Windows error codes the handle reports, so messages can show "code %d" as before.
inline constexpr int kRegistryNotFound = 2;      // ERROR_FILE_NOT_FOUND: the key is missing
inline constexpr int kRegistryAccessDenied = 5;  // the store cannot be read or written
inline constexpr int kRegistryBadName = 87;      // ERROR_INVALID_PARAMETER: an unusable name

// A key, named by hive and path. A handle holds no file and no lock; it may outlive the key
// (reads then find nothing; writes create the key again).
class RegistryKey {
public:
    // The root of `hive` in the store at `storePath` (default: registryStorePath()).
    explicit RegistryKey(Hive hive, std::string storePath = registryStorePath());

    // Opens a subkey for reading, one or more levels down ("Trelmo.Application\Tegninger";
    // "" is this key) without creating anything. Nothing when it is missing; `errorCode` then
    // gets kRegistryNotFound, kRegistryAccessDenied or kRegistryBadName.
    std::optional<RegistryKey> open(std::string_view subkey, int* errorCode = nullptr) const;
    // Opens the subkey, creating every missing level. Nothing when the store cannot be written
    // or the name is unusable.
    std::optional<RegistryKey> create(std::string_view subkey, int* errorCode = nullptr) const;

    // The value of that name ("" = the default value) when it is a string (plain or with
    // environment references, which are not expanded) / a 32-bit integer.
    std::optional<std::string> readString(std::string_view name) const;
    std::optional<std::uint32_t> readDword(std::string_view name) const;
    // The key's first value in file order (normally the default value), of any type.
    std::optional<RegistryValue> firstValue() const;
    std::vector<RegistryValue> values() const;
    // Names of the direct subkeys.
    std::vector<std::string> subkeys() const;

    // Writes a value, replacing one of the same name in place; the key is created when
    // missing. False when the store cannot be written or the text holds a line break.
    bool writeString(std::string_view name, std::string_view value) const;
    bool writeDword(std::string_view name, std::uint32_t value) const;
    // False when the value was not there.
    bool deleteValue(std::string_view name) const;
    // Deletes the subkey (one or more levels down) and its values. A key that still has
    // subkeys is not deleted (false), as on Windows NT: delete the children first.
    bool deleteKey(std::string_view subkey) const;

    Hive hive() const { return hive_; }
    const std::vector<std::string>& names() const { return names_; }
    // "HKEY_CLASSES_ROOT\Trelmo.Application\Tegninger", the names spelt as the caller gave them.
    std::string path() const;
    const std::string& storePath() const { return store_; }

private:
    RegistryKey(Hive hive, std::string store, std::vector<std::string> names);
    std::vector<std::string> below(const std::vector<std::string>& more) const;
    bool writeValue(RegistryValue value) const;

    Hive hive_;
    std::string store_;
    std::vector<std::string> names_;
};

// Reads the store file; a missing file gives an empty registry, an unreadable one nothing.
std::optional<RegistryFile> readRegistryStore(const std::string& storePath);

}  // namespace platform
