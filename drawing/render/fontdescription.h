#pragma once
// The logical font description the renderer hands to a surface to make a font.
#include <cstdint>

namespace render {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLtYellow{255, 255, 0};

struct FontDescription {
    int height = 20;     // > 0: cell height, < 0: character height, logical units
    int width = 0;       // average character width; 0 = natural
    int escapement = 0;  // tenths of a degree; 2700 runs the text downwards
    int orientation = 0;
    int weight = 400;  // 0..1000
    std::uint8_t italic = 0, underline = 0, strikeOut = 0;
    std::uint8_t charSet = 0;       // 0 = ANSI
    std::uint8_t outPrecision = 2;  // character precision
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0x32;  // variable pitch, modern family
    char faceName[32] = {};              // NUL-terminated

    void setFace(const char* face);
    bool operator==(const FontDescription&) const;
};

}  // namespace render
