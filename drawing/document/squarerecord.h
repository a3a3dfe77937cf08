#pragma once
// The square record of the crossword file, shared with the clue-layout file.
#include <string>

#include "kpoint.h"
#include "kztreader.h"
#include "realformat.h"

namespace document {

// Appends one layout entry: a tab before each of line height, width flag, width ratio and
// raise.
void AppendLayoutEntry(std::string& out, const RelaFont& layout, int entry,
                       RealNotation notation = RealNotation::General);

// Appends the record (line end, kind word, quoted letter or text, layout, separators).
// A quote inside a clue text is written doubled, so the text reads back whole.
void WriteSquare(std::string& out, const KPoint& square,
                 RealNotation notation = RealNotation::General);

enum class SquareRead {
    Read,         // a letter or clue record was read
    UnknownKind,  // another word stood there: the message was shown, the square is default
    End,          // the bytes ended before a kind word
};
// Reads one record into `square`. A clue text longer than 1999 bytes keeps its first 1999.
SquareRead ReadSquare(KztReader& in, KPoint& square);

// Skips to the first digit or point (a minus on the way makes the number negative), then
// reads digits and points. Stops at the end of the bytes, giving what it has read (0 when
// nothing).
double ReadNumber(KztReader& in);

// A real read by ReadNumber as a 32-bit integer, truncated toward zero and kept in range.
std::int32_t TruncateToInt(double value);

}  // namespace document
