#pragma once
// The plain letter grid that the generator writes: a header line with width and height,
// then one line per row, one character per column.
#include "kztreader.h"
#include "samling.h"

namespace document {

// Fills every square of `grid` from the lines after the header line; the reader is left
// after the last row. "+" and the byte 165 are Ø, a letter stays as it is, anything else
// (positions past a short line and rows missing at the end included) is an empty clue.
void ReadPlainGrid(KztReader& in, Samling& grid);

}  // namespace document
