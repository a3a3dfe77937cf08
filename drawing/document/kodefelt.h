#pragma once
// A code field: a number tied to a square, carried from file to file, never drawn.
#include <cstdint>

#include "relafont.h"

namespace document {

struct KodeFelt : RelaFont {
    std::int32_t code = 0;
    std::int32_t column = 0;  // 1-based
    std::int32_t row = 0;     // 1-based
};

}  // namespace document
