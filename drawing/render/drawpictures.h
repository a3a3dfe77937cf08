#pragma once
// Drawing a crossword's pictures over its grid, in list order (later ones on top).
#include "drawing/document/tegning.h"
#include "drawsurface.h"

namespace render {

// The rectangle a picture covers: anchored at its square's top-left (margin + size x
// 0-based column/row), shifted and sized in square units, each edge cut toward zero.
Rect PictureRect(const document::Tegning& picture, int margin, int squareWidth, int squareHeight);

// Stretches every picture with a bitmap into its rectangle; pictures outside the area
// being painted, and bitmaps that cannot be decoded, are skipped.
void DrawPictures(const document::PictureList& list, DrawSurface& surface, int margin,
                  int squareWidth, int squareHeight);

}  // namespace render
