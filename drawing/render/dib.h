#pragma once
// Decoding a picture's bitmap block (info header, colour table, pixels: a BMP file without
// its file header) into pixels a surface can stretch.
#include <vector>

#include "drawsurface.h"

namespace render {

// Uncompressed bitmaps of 1, 4, 8, 16 (5-5-5), 24 and 32 bits per pixel, bottom-up or
// top-down, with the old core header or a newer one. False (and `out` untouched) for
// compressed bitmaps, other depths, empty sizes and blocks too short for their header.
bool DecodeDib(const std::vector<unsigned char>& block, DibPixels& out);

}  // namespace render
