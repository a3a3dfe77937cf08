#pragma once
// The drawing operations the crossword painting needs, with the semantics it relies on.
// One painting routine serves the screen, image files and the printer through this interface.
//
// Coordinates are integer pixels of the surface, y downwards. Texts are code page 1252 bytes.
// - A line's end point is not drawn; the current position moves to it.
// - A pen of width 0 draws one pixel wide. Pens are solid.
// - Text is placed with its cell's top-left corner at (x, y) and drawn in the text colour.
// - Fonts follow FontDescription: positive height = cell height, negative = character height,
//   width = average character width (0 = natural), escapement 2700 = text running downwards.
// - Nothing is antialiased.
// Pens and fonts are made, selected, restored and deleted explicitly, as the painting code
// frees everything it makes within one paint. Handle 0 stands for the surface's own default.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fontdescription.h"

namespace render {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

// Spacing of one character of the selected font, in pixels: before the glyph (a), the glyph
// itself (b) and after it (c). The advance is a + b + c.
struct AbcWidth {
    int a = 0;
    int b = 0;
    int c = 0;
    int advance() const { return a + b + c; }
};

// A device-independent bitmap decoded to 0xAARRGGBB pixels, top row first.
struct DibPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // width * height
};

using PenHandle = int;
using FontHandle = int;

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Whether any part of the rectangle lies in the area being painted.
    virtual bool RectVisible(const Rect& rect) = 0;

    // A solid pen; width 0 draws one pixel wide.
    virtual PenHandle CreatePen(Rgb colour, int width) = 0;
    // Selects the pen and returns the one selected before.
    virtual PenHandle SelectPen(PenHandle pen) = 0;
    // The pen must not be selected any more.
    virtual void DeletePen(PenHandle pen) = 0;

    virtual FontHandle CreateFont(const FontDescription& font) = 0;
    // Selects the font and returns the one selected before.
    virtual FontHandle SelectFont(FontHandle font) = 0;
    // The font must not be selected any more.
    virtual void DeleteFont(FontHandle font) = 0;

    // The brush that Rectangle fills with.
    virtual void SelectWhiteBrush() = 0;
    virtual void SetTextColor(Rgb colour) = 0;
    // Text is drawn without filling its background from now on.
    virtual void SetTransparentText() = 0;

    virtual void MoveTo(int x, int y) = 0;
    // A line from the current position to (x, y) with the selected pen, (x, y) not drawn.
    virtual void LineTo(int x, int y) = 0;

    // Text with its cell's top-left at (x, y) in the selected font.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // One line of text, its top at rect.top, centred between rect.left and rect.right,
    // clipped to rect.
    virtual void DrawCentredText(const Rect& rect, std::string_view text) = 0;

    // The rectangle (right and bottom excluded) filled with a solid colour.
    virtual void FillRect(const Rect& rect, Rgb colour) = 0;
    // Outlined with the selected pen and filled with the selected brush.
    virtual void Rectangle(const Rect& rect) = 0;

    // Widths of the characters first..last (code page 1252) of the selected font, into
    // out[0 .. last-first].
    virtual void GetCharABCWidths(unsigned char first, unsigned char last, AbcWidth* out) = 0;

    // The whole bitmap stretched into dest, rows that do not fit deleted, a plain copy.
    virtual void StretchDib(const Rect& dest, const DibPixels& image) = 0;
};

}  // namespace render
