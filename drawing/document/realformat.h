#pragma once
// Numbers as the crossword files write them, appended to a byte buffer.
#include <cstdint>
#include <string>

namespace document {

enum class RealNotation {
    General,  // six significant digits, point and trailing zeros shown: 45.0000, -0.100000
    Fixed,    // six decimals: 45.000000 (the clue-layout file)
};

// Values whose general form would need an exponent are written positionally with the same
// six significant digits (0.0000123457, 1234570.0), since the number reader knows no
// exponent. NaN and infinities, which no reader can give back, are written as 0.
void AppendReal(std::string& out, double value, RealNotation notation = RealNotation::General);
void AppendInt(std::string& out, std::int64_t value);

}  // namespace document
