#include "drawing/shell/settingsfile.h"

#include <cmath>

#include "drawing/render/drawsettings_ini.h"
#include "platform/paths.h"

namespace shell {

namespace {

int rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::string SettingsPath(const std::string& dir) {
    return platform::pathNoCase(dir, kSettingsFileName);
}

void ReadSettings(const platform::Profile& p, render::DrawSettings& s, std::string& pictureDir) {
    render::ReadDrawSettings(p, s);
    pictureDir = p.readString(kSettingsSection, "Pix", pictureDir);
}

void WriteSettings(platform::Profile& p, const render::DrawSettings& s,
                   const std::string& pictureDir, std::optional<double> activeSqueeze) {
    const char* section = kSettingsSection;
    p.writeString(section, "LosFont", s.solutionFont.faceName);
    p.writeString(section, "LedFont", s.clueFont.faceName);
    p.writeInt(section, "LedStor", s.clueFont.height);
    p.writeInt(section, "Bredde", s.defaultWidth);
    p.writeInt(section, "Hojde", s.defaultHeight);
    p.writeInt(section, "Losning", s.showSolution ? 1 : 0);
    p.writeInt(section, "Zoom", rounded(s.zoomPercent * 10));
    p.writeInt(section, "MasFont", static_cast<int>(s.fontSqueeze));
    p.writeString(section, "Pix", pictureDir);
    p.writeInt(section, "Midtstil", s.centreText);
    p.writeInt(section, "Piltyk", s.arrowThickness);
    p.writeInt(section, "Bogstavtyk", s.letterWeight);
    p.writeInt(section, "Stregtyk", s.lineThickness);
    p.writeInt(section, "Sqeeze", activeSqueeze ? rounded(*activeSqueeze * 100) : 100);
}

}  // namespace shell
