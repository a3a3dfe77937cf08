#include "drawsettings.h"

namespace render {

DrawSettings::DrawSettings() {
    clueFont.weight = 600;
    clueFont.setFace("Technical");
    solutionFont.setFace("Arial");
}

DrawSettings& drawSettings() {
    static DrawSettings settings;
    return settings;
}

FontDescription currentClueFont;

}  // namespace render
