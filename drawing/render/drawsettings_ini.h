#pragma once
// Reading the drawing settings from the settings file's section "Opsat", with the defaults
// for missing keys. Values are taken as given; the commands that change them check ranges.
#include "drawing/render/drawsettings.h"
#include "platform/profile.h"

namespace render {

constexpr const char* kSettingsSection = "Opsat";

// Fills `settings` from `profile`: fonts (faces LosFont and LedFont, clue height LedStor),
// Bredde, Hojde, Losning, Zoom (tenths of a percent), MasFont, Midtstil (low byte), Piltyk,
// Bogstavtyk, Stregtyk and Sqeeze (percent). The colours are not stored and stay as they are.
void ReadDrawSettings(const platform::Profile& profile, DrawSettings& settings);

}  // namespace render
