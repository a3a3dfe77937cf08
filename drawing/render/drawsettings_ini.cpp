#include "drawsettings_ini.h"

namespace render {

void ReadDrawSettings(const platform::Profile& profile, DrawSettings& settings) {
    const char* section = kSettingsSection;
    const DrawSettings defaults;
    settings.solutionFont = defaults.solutionFont;
    settings.solutionFont.setFace(
        profile.readString(section, "LosFont", defaults.solutionFont.faceName).c_str());
    settings.clueFont = defaults.clueFont;
    settings.clueFont.setFace(
        profile.readString(section, "LedFont", defaults.clueFont.faceName).c_str());
    settings.clueFont.height = profile.readInt(section, "LedStor", defaults.clueFont.height);

    settings.defaultWidth = profile.readInt(section, "Bredde", defaults.defaultWidth);
    settings.defaultHeight = profile.readInt(section, "Hojde", defaults.defaultHeight);
    settings.showSolution = profile.readInt(section, "Losning", 1) != 0 ? 1 : 0;
    settings.zoomPercent = profile.readInt(section, "Zoom", 1090) * 0.1;
    settings.fontSqueeze = profile.readInt(section, "MasFont", 100);
    settings.centreText = profile.readInt(section, "Midtstil", 0) & 0xFF;
    settings.arrowThickness = profile.readInt(section, "Piltyk", defaults.arrowThickness);
    settings.letterWeight = profile.readInt(section, "Bogstavtyk", defaults.letterWeight);
    settings.lineThickness = profile.readInt(section, "Stregtyk", defaults.lineThickness);
    settings.squeeze = profile.readInt(section, "Sqeeze", 100) * 0.01;
}

}  // namespace render
