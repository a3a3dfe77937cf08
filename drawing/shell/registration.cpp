#include "drawing/shell/registration.h"

#include <cctype>
#include <cstdio>

#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/registry.h"

namespace shell {

namespace {

constexpr const char* kPictureKey = "Trelmo.Application\\Tegninger";

std::string format(const char* pattern, int a) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, a);
    return text;
}

}  // namespace

std::string ReadPictureFolder() {
    const platform::RegistryKey root(platform::Hive::ClassesRoot);
    int code = 0;
    const auto key = root.open(kPictureKey, &code);
    if (!key) {
        platform::showMessage(format("Error to open registry code %d", code), "DisplayKeyData()");
        return {};
    }
    const auto value = key->firstValue();
    if (!value) {
        // An empty key: the store reports a missing first value as "no more items" (259).
        char text[256];
        std::snprintf(text, sizeof text, "Error from EnumVal code %d data %s in line %d", 259, "",
                      126);
        platform::showMessage(text, "");
        return {};
    }
    switch (value->type) {
        case platform::ValueType::String:
        case platform::ValueType::ExpandString:
            return value->text;
        default:
            platform::showMessage(format("defualt-type %d", value->windowsType()),
                                  "default fra givkey");
            return {};
    }
}

void WriteRegistration(const std::string& programPath) {
    const platform::RegistryKey root(platform::Hive::ClassesRoot);
    // Registry errors are not reported; the program runs on without the association.
    if (auto key = root.create("Trelmo.Application\\DefaultIcon")) key->writeString("", programPath);
    if (auto key = root.create("Trelmo.Document.1\\DefaultIcon")) {
        key->writeString("", programPath + ",1");
    }
    if (auto key = root.create(".KZT")) key->writeString("", "Trelmo.Document.1");
}

void RemoveRegistration() {
    const platform::RegistryKey root(platform::Hive::ClassesRoot);
    for (const char* key : {"Trelmo.Application\\DefaultIcon", kPictureKey,
                            "Trelmo.Document.1\\DefaultIcon", "Trelmo.Application",
                            "Trelmo.Document.1", ".KZT"}) {
        root.deleteKey(key);
    }
}

bool WantsUnregister(const std::vector<std::string>& arguments) {
    static const std::string word = "unregister";
    for (const std::string& argument : arguments) {
        if (argument.size() < 2 || (argument[0] != '-' && argument[0] != '/')) continue;
        const std::string option = argument.substr(argument[1] == '-' ? 2 : 1);
        if (option.empty() || option.size() > word.size()) continue;
        bool prefix = true;
        for (std::size_t i = 0; i < option.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(option[i])) != word[i]) prefix = false;
        }
        if (prefix) return true;
    }
    return false;
}

}  // namespace shell
