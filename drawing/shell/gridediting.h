#pragma once
// Editing on a crossword window's grid, free of any toolkit: cursor keys, typing, clearing,
// separators, size, turning and the texts of the zoom and size prompts. The window calls
// these and then scrolls by the returned request and repaints.
#include <functional>
#include <optional>
#include <string>

#include "drawing/render/crosswordview.h"
#include "drawing/shell/dialogs.h"

namespace shell {

constexpr int kScrollUnit = 15;  // pixels per scroll step, both directions

// The window's scroll position (in units) and drawing-area size (pixels).
struct Viewport {
    int scrollX = 0;
    int scrollY = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

// Scroll by this many units; 0 = no scroll.
struct ScrollRequest {
    int dx = 0;
    int dy = 0;
};

enum class GridKey { Left, Right, Up, Down, PageUp, PageDown, Delete, Backspace };

// Moves the cursor, switches the typing direction, clears squares as each key does.
ScrollRequest PressKey(render::CrosswordView& view, GridKey key, const Viewport& port);

enum class Typed { Stored, Refused, Ignored };
// A typed character: letters (stored upper-case) and the space go into the cursor square and
// the cursor moves on; a clue square refuses (the caller beeps); other characters are
// ignored. Sets `modified` for letters and the space, refused ones included.
Typed TypeCharacter(render::CrosswordView& view, char c, const Viewport& port,
                    ScrollRequest& scroll);

// Letter square -> a space; clue square unchanged. Sets `modified`.
void ClearCursorSquare(render::CrosswordView& view);

// The square under a point of the grid's coordinates (scroll already added), or nothing.
struct Square {
    int column;
    int row;
};
std::optional<Square> SquareAt(const render::CrosswordView& view, int x, int y);

// The separator dialog preselects what reverses the square's present lines.
SeparatorTrans SeparatorPreset(const document::KPoint& square);
void ApplySeparators(document::KPoint& square, const SeparatorTrans& trans);

// Transposes the grid (columns and rows exchanged). Sets `modified`.
void TurnGrid(render::CrosswordView& view);
// New size through Resize; sets `modified`.
void ResizeGrid(render::CrosswordView& view, int width, int height);
// Pulls the cursor back inside the grid after it shrank or turned.
void KeepCursorInside(render::CrosswordView& view);

// The zoom prompt's text: "%d.%d" of trunc(zoom x 100) and trunc(zoom x 10000) mod 100.
std::string ZoomText(double zoom);

// Reads a number as the dialogs do: leading white space, optional sign, digits; anything
// else (or nothing) is 0.
int ReadInt(const std::string& text);
// A real number; 0 when the text does not start with one.
double ReadReal(const std::string& text);

// The size dialog and its loop: repeats after a refused width or height (1..100 each) with
// the message "Wrong input". Gives the accepted size, or nothing on Cancel. `onOk` runs at
// every OK, before the check.
struct GridSize {
    int width;
    int height;
};
std::optional<GridSize> AskSize(Dialogs& d, int width, int height,
                                const std::function<void()>& onOk);

// The scroll ranges (in units) of a new window for the default size of new crosswords.
Square InitialScrollRange(int defaultWidth, int defaultHeight);

}  // namespace shell
