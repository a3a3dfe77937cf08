#include "drawing/shell/settingsfile.h"

#include <cmath>

#include "platform/paths.h"

namespace shell {

namespace {

int rounded(double value) { return static_cast<int>(std::lround(value)); }

}  // namespace

std::string SettingsPath(const std::string& dir) {
    if (auto found = platform::findFileNoCase(dir, kSettingsFileName)) return *found;
    return platform::joinPath(dir, kSettingsFileName, platform::kNativeSeparator);
}

void ReadSettings(const platform::Profile& p, render::DrawSettings& s, std::string& pictureDir) {
    const char* section = kSettingsSection;
    s.solutionFont = render::FontDescription{};
    s.solutionFont.setFace(p.readString(section, "LosFont", "Arial").c_str());
    s.clueFont = s.solutionFont;
    s.clueFont.weight = 600;
    s.clueFont.setFace(p.readString(section, "LedFont", "Technical").c_str());

    s.defaultWidth = p.readInt(section, "Bredde", 13);
    s.defaultHeight = p.readInt(section, "Hojde", 10);
    s.showSolution = p.readInt(section, "Losning", 1) != 0 ? 1 : 0;
    s.zoomPercent = p.readInt(section, "Zoom", 1090) * 0.1;
    s.clueFont.height = p.readInt(section, "LedStor", 20);
    s.fontSqueeze = p.readInt(section, "MasFont", 100);
    s.centreText = p.readInt(section, "Midtstil", 0) & 0xFF;
    s.arrowThickness = p.readInt(section, "Piltyk", 1);
    s.letterWeight = p.readInt(section, "Bogstavtyk", 400);
    s.lineThickness = p.readInt(section, "Stregtyk", 1);
    s.squeeze = p.readInt(section, "Sqeeze", 100) * 0.01;
    pictureDir = p.readString(section, "Pix", pictureDir);
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
