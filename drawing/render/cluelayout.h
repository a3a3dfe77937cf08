#pragma once
// Laying out and drawing the text of one clue square, with its markup: line breaks ('|',
// LF, CR) and, at the start of a line, single characters that stand for rules and arrows.
// Every text line and every drawn element takes the next line number; line L is drawn with
// the metrics of line L of the square's layout (metrics.h).
#include "drawing/document/kpoint.h"
#include "drawsurface.h"

namespace render {

using document::KPoint;

// Draws the clue text of `square` for a square of a x a pixels whose text starts at (x, y0).
// Uses the caller's text colour and background mode, currentClueFont (weight replaced by
// letterWeight) and the drawing settings; leaves the surface's pen and font as it found
// them. Draws nothing, and makes no font, when a < 1 or the square is not visible.
void LayOutClue(const KPoint& square, DrawSurface& surface, int a, int x, int y0);

struct LineHit {
    int line = 0;    // 1-based line number
    int height = 0;  // the line's height (or the element's step)
    int bottom = 0;  // the running y where the walk stopped
    bool operator==(const LineHit&) const = default;
};

// The line whose vertical step first passes y, for the square drawn with its top at 2 (the
// clue editor's preview). Walks the text exactly as the layout does, without drawing.
LineHit LineAt(const KPoint& square, int a, int y);

}  // namespace render
