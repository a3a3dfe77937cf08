#pragma once
// A crossword as its window shows it: the document plus the view state the painting reads.
// The shell's crossword window owns one; image export and printing paint through it too.
#include "drawing/document/crossword.h"
#include "fontdescription.h"

namespace render {

struct CrosswordView {
    document::Crossword doc;
    FontDescription solutionFont;
    FontDescription clueFont;
    double zoom = 1.09;
    int showSolution = 1;
    double squeeze = 1.0;
    int margin = 10;
    int squareHeight = 0;  // recomputed by every paint
    int squareWidth = 0;
    int cursorColumn = 1;  // 1-based
    int cursorRow = 1;
    int typeDown = 0;
    int autoAdvance = 1;
    Rgb frameColour = kBlack;
};

}  // namespace render
