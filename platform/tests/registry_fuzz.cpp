// Parses arbitrary bytes as a registry store and checks that writing it back loses no key and
// that a second round changes nothing.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/registryfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const platform::RegistryFile first = platform::RegistryFile::parse(bytes);
    const std::string text = first.serialize();
    const platform::RegistryFile second = platform::RegistryFile::parse(text);
    for (const platform::RegistrySection& section : first.sections) {
        if (!section.known) continue;
        const platform::RegistrySection* again = second.find(section.hive, section.names);
        if (!again || again->values.size() != section.values.size()) std::abort();
        for (const platform::RegistryValue& value : section.values) value.windowsType();
    }
    if (second.serialize() != text) std::abort();
    return 0;
}
