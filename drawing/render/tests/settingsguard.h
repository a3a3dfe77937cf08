#pragma once
// Restores the process-wide drawing settings and clue font after a test changes them.
#include "drawing/render/drawsettings.h"

namespace render {

class SettingsGuard {
public:
    SettingsGuard() : settings_(drawSettings()), clueFont_(currentClueFont) {}
    ~SettingsGuard() {
        drawSettings() = settings_;
        currentClueFont = clueFont_;
    }

private:
    DrawSettings settings_;
    FontDescription clueFont_;
};

}  // namespace render
