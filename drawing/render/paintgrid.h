#pragma once
// Painting one crossword window's whole crossword on a surface: the cursor square, clue
// squares, solution letters, square lines with separators and frame, then the pictures.
// The screen, image export, series output and printing all paint through PaintGrid.
#include "crosswordview.h"
#include "drawsurface.h"

namespace render {

// The printer's page range in its settings, which printing resets to one page.
struct PrinterPageRange {
    int minPage = 0;
    int maxPage = 0;
};

struct PaintFlags {
    int printDepth = 0;           // > 0 while printing: no cursor highlight
    bool exportingImage = false;  // set while writing an image: no cursor highlight
    // The application's printer, or nullptr when it has none. While printing, a paint of a
    // non-empty area sets its page range to 1..1.
    PrinterPageRange* printer = nullptr;
};

// Paints the crossword of `view` on `surface`. `area` is the rectangle the surface asks to
// have painted; `clientHeight` (pixels of the window's drawing area) sets the square size.
// Recomputes view.squareHeight and view.squareWidth and sets currentClueFont.
void PaintGrid(CrosswordView& view, DrawSurface& surface, const Rect& area, int clientHeight,
               const PaintFlags& flags);

struct GridSize {
    int width = 0;
    int height = 0;
};

// Recomputes view.squareHeight and view.squareWidth for `clientHeight`, then gives the
// grid's size in pixels: columns x squareWidth + 2 by rows x squareHeight + 2.
GridSize GridExtent(CrosswordView& view, int clientHeight);

}  // namespace render
