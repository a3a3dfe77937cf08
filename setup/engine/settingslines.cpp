#include "setup/engine/settingslines.h"

#include <cstdio>

#include "platform/cp1252.h"
#include "platform/profile.h"

namespace engine {

bool appendSettingsLines(const std::string& path, const std::vector<std::string>& lines) {
    // "r+b" needs an existing file, as the settings lines must not create one.
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    if (!f) return false;
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    ok = ok && std::fputs("\r\n", f) >= 0;
    for (const auto& line : lines) {
        ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size();
        ok = ok && std::fputs("\r\n", f) >= 0;
    }
    return std::fclose(f) == 0 && ok;
}

bool setPictureFolderLine(const std::string& path, const std::string& pictureFolder) {
    platform::Profile profile;
    std::FILE* probe = std::fopen(path.c_str(), "rb");
    if (!probe) return false;
    std::fclose(probe);
    if (!profile.load(path)) return false;
    const auto sections = profile.sections();
    const bool opsatLast = !sections.empty() && platform::equalsNoCase(sections.back(), "Opsat");
    if (opsatLast && !profile.readString("Opsat", "Pix"))
        return appendSettingsLines(path, {"Pix=" + pictureFolder});
    while (profile.deleteKey("Opsat", "Pix")) {
    }
    return profile.writeString("Opsat", "Pix", pictureFolder) && profile.save(path);
}

}  // namespace engine
