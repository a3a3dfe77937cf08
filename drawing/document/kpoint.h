#pragma once
// One square of the grid: a letter square or a clue square, with its layout and separators.
#include <cstdint>
#include <string_view>

#include "relafont.h"

namespace document {

constexpr int kClueTextSize = 2000;  // buffer size; a clue holds at most 1999 bytes

struct KPoint : RelaFont {
    std::uint8_t isClue = 0;
    char text[kClueTextSize] = {};  // letter square: text[0] is the letter, text[1] is 0
    std::uint8_t lineRight = 1;     // 1 = separator line on the right edge is drawn
    std::uint8_t lineBottom = 1;    // 1 = separator line on the bottom edge is drawn

    KPoint() = default;
    // A clue square: ResetLines(size, width, base, line), the text copied (cut at 1999 bytes).
    KPoint(std::string_view clue, int size, int width, int base, int line);

    void MakeLetter(char c);
    // Cuts s at 1999 bytes.
    void MakeClue(std::string_view s);
    // 0 for a clue square, else text[0].
    char Letter() const { return isClue ? 0 : text[0]; }
    std::string_view Text() const;
};

}  // namespace document
