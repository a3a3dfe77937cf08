// Reads arbitrary bytes as a settings file, touches every section and key, writes one value
// and checks that the file text survives a second reading.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/profile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    platform::Profile profile = platform::Profile::fromText(bytes);
    for (const std::string& section : profile.sections()) {
        for (const std::string& key : profile.keys(section)) {
            if (!profile.readString(section, key)) std::abort();  // a listed key must read
            profile.readInt(section, key, 0);
        }
    }
    if (profile.writeString("Opsat", "Fuzz", "v") && profile.readString("Opsat", "Fuzz") != "v") {
        std::abort();
    }
    const std::string text = profile.toText();
    if (platform::Profile::fromText(text).toText() != text) std::abort();
    return 0;
}
