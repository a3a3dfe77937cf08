#pragma once
// One word run read off the grid, for the solution-word review.
#include <cstdint>

namespace document {

constexpr int kGridWordLetters = 40;  // at most 39 letters and the terminator

struct GridWord {
    std::int32_t number = 0;  // 0-based index among the runs of its direction
    std::uint8_t selected = 0;
    char letters[kGridWordLetters] = {};
    std::int32_t relations = 0;
    std::uint8_t collect1 = 0;
    std::uint8_t collect2 = 0;
    std::int32_t column = 0;  // 1-based column of the first letter
    std::int32_t row = 0;     // 1-based row of the first letter
};

}  // namespace document
