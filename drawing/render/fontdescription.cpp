#include "fontdescription.h"

#include <cstring>

namespace render {

void FontDescription::setFace(const char* face) {
    std::strncpy(faceName, face, sizeof faceName - 1);
    faceName[sizeof faceName - 1] = 0;
}

bool FontDescription::operator==(const FontDescription& other) const {
    return height == other.height && width == other.width && escapement == other.escapement &&
           orientation == other.orientation && weight == other.weight && italic == other.italic &&
           underline == other.underline && strikeOut == other.strikeOut &&
           charSet == other.charSet && outPrecision == other.outPrecision &&
           clipPrecision == other.clipPrecision && quality == other.quality &&
           pitchAndFamily == other.pitchAndFamily &&
           std::strncmp(faceName, other.faceName, sizeof faceName) == 0;
}

}  // namespace render
