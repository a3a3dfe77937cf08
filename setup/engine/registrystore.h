#pragma once
// The engine's writes to and reads from the registry store (the same store the drawing
// program reads), with keys given as a path of names opened one level at a time. Every
// error is ignored: a write that fails writes nothing, a read that fails gives "".
#include <cstdint>
#include <string>
#include <vector>

#include "platform/registryfile.h"

namespace engine {

using platform::Hive;

using KeyPath = std::vector<std::string>;

// An empty `name` is the key's default value.
void writeRegistryString(Hive hive, const KeyPath& key, const std::string& name,
                         const std::string& value);
void writeRegistryDword(Hive hive, const KeyPath& key, const std::string& name, std::int32_t value);
std::string readRegistryString(Hive hive, const KeyPath& key, const std::string& name);
void deleteRegistryValue(Hive hive, const KeyPath& key, const std::string& name);
// Deletes the last key of `key` with everything below it.
void deleteRegistryTree(Hive hive, const KeyPath& key);

// The fonts folder: the "Shell Folders" value "Fonts", or the user's fonts folder
// ($XDG_DATA_HOME/fonts) when it is missing or empty.
std::string fontsFolderLookup();

}  // namespace engine
