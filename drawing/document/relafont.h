#pragma once
// Per-line font layout of a square or code field: ten entries, numbered 0 to 9.
// Which entry serves which clue line, and the conversion to pixels, live in the renderer.
#include <array>
#include <cstdint>

namespace document {

constexpr int kLayoutEntries = 10;
constexpr double kDefaultLineHeight = 45.0;  // percent of the square height
constexpr double kDefaultWidthRatio = 0.36;  // character width / character height

struct RelaFont {
    std::array<double, kLayoutEntries> lineHeight;
    std::array<std::int32_t, kLayoutEntries> widthSet;  // 1 = widthRatio set explicitly
    std::array<double, kLayoutEntries> widthRatio;
    std::array<double, kLayoutEntries> lineRaise;  // fraction of the square size
    double reserved = 0.0;                         // stored and copied, never drawn

    RelaFont();

    // lineHeight[i] = size * 100 / base; width 0 means the default ratio.
    void SetLine(int size, int width, int base, int i);
    // line 0: every entry; line n (1..10): entry n-1, the others 20 percent. Clears raises.
    void ResetLines(int size, int width, int base, int line);
    // line 0: every entry; line n: entry n-1 only. Raises untouched.
    void SetLines(int size, int width, int base, int line);

    bool operator==(const RelaFont&) const = default;
};

}  // namespace document
