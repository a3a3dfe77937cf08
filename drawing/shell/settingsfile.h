#pragma once
// The settings file ".\Trelmo.ini", section "Opsat": read once at start, written back only by
// "Save setup".
#include <optional>
#include <string>

#include "drawing/render/drawsettings.h"
#include "drawing/render/drawsettings_ini.h"
#include "platform/profile.h"

namespace shell {

constexpr const char* kSettingsFileName = "Trelmo.ini";
using render::kSettingsSection;

// The settings file of `dir`, found in any letter case ("Trelmo.ini" there when none exists).
std::string SettingsPath(const std::string& dir);

// Fills `settings` from the section (defaults for missing keys, fonts included). `pictureDir`
// comes in as the registry's picture folder and leaves as `Pix` when that is present.
void ReadSettings(const platform::Profile& profile, render::DrawSettings& settings,
                  std::string& pictureDir);

// The keys of "Save setup". `Sqeeze` is the active window's squeeze, or 100 with none.
void WriteSettings(platform::Profile& profile, const render::DrawSettings& settings,
                   const std::string& pictureDir, std::optional<double> activeSqueeze);

}  // namespace shell
