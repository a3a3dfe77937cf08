#pragma once
// Turning the window, the drawing settings and a square's per-line layout into pixels, and
// the step adjustments the clue editor makes to that layout.
//
// Line numbers L count a clue square's lines from 1; L = 0 stands for entry 0 in the metrics
// and for all ten entries in the adjustments. Line L takes its raise and width from entry
// L-1 but its text height from entry L. Lines beyond the ten entries share the last entry:
// the text height of lines 9 and up comes from entry 9, everything else of lines 10 and up
// from entry 9 too.
#include "drawing/document/relafont.h"
#include "fontdescription.h"

namespace render {

using document::RelaFont;

// Cuts toward zero, as every pixel value derived from a real; saturates at the int range.
int TruncPx(double value);

// Square size of a window: trunc(clientHeight x zoom / (rows + 2)), and its width after the
// horizontal squeeze. A zero or negative squeeze gives a zero or negative width.
int SquareHeightFor(int clientHeight, double zoom, int rows);
int SquareWidthFor(int squareHeight, double squeeze);

// Entry of line L for the raise and the width; entry of line L for the text height.
int LayoutEntry(int line);
int HeightEntry(int line);

// The vertical shift of line L (negative moves up); some markup uses it as an x offset.
int RaisePx(const RelaFont& layout, int size, int line);
// The text height of line L.
int LineHeightPx(const RelaFont& layout, int size, int line);
// The character width of line L.
int FontWidthPx(const RelaFont& layout, int size, int line);

// The clue font size of line L from `base` (the working clue font) and fontSqueeze.
struct LineFontSize {
    int height = 0;
    int width = 0;
    double widthProduct = 0;  // the width before truncation, for the font check
};
LineFontSize ClueFontSize(const RelaFont& layout, const FontDescription& base, int size, int line);
// `base` with the height and width of line L.
FontDescription ClueFontOfLine(const RelaFont& layout, const FontDescription& base, int size,
                               int line);
// Whether the font in use serves a line of the given size: the same height and a width that
// equals the unrounded product exactly.
bool FontServes(const FontDescription& inUse, const LineFontSize& wanted);

// Step adjustments of the clue editor. Factors and deltas are given by the caller:
// 0.98 / 1.02 for heights and widths, -0.03 / +0.03 for raises.
void ScaleHeight(RelaFont& layout, int line, double factor);  // entry L itself
// The first press on a width that was never set only sets the default ratio.
void ScaleWidth(RelaFont& layout, int line, double factor);
void ResetWidth(RelaFont& layout, int line);
void ShiftRaise(RelaFont& layout, int line, double delta);
// The raise of line L becomes pixels / size.
void SetRaise(RelaFont& layout, int size, int pixels, int line);

}  // namespace render
