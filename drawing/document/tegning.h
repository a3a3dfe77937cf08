#pragma once
// A picture on the crossword: a Windows bitmap anchored to a square (0-based column, row),
// sized and shifted in units of the square size.
#include <cstdint>
#include <string>
#include <vector>

namespace document {

struct Tegning {
    std::int32_t column = 0;  // 0-based
    std::int32_t row = 0;     // 0-based
    float relWidth = 1.0f;    // in square widths
    float relHeight = 1.0f;   // in square heights
    float relDown = 0.0f;     // shift down from the anchor's top, in square heights
    float relAcross = 0.0f;   // shift right from the anchor's left, in square widths
    // The bitmap file without its 14-byte file header (info header, colours, pixels);
    // empty when none is loaded.
    std::vector<unsigned char> bitmap;
    std::string path;  // as stored in the crossword file; never holds white space

    Tegning() = default;
    // Loads the bitmap from `path`; on failure shows "Cannot open DIB/BMP-file".
    Tegning(int column, int row, std::string path);

    bool hasBitmap() const { return !bitmap.empty(); }
    std::uint32_t bitmapSize() const { return static_cast<std::uint32_t>(bitmap.size()); }
};

using PictureList = std::vector<Tegning>;  // in placing order

// Reads a BMP file into picture.bitmap; false (and no bitmap) when it cannot.
bool ReadBitmapFile(Tegning& picture, const std::string& path);

// The header facts of a loaded bitmap block, as the drawing needs them.
struct BitmapInfo {
    int width = 0;
    int height = 0;        // as stored; negative = top-down
    int bitCount = 0;
    int headerSize = 0;
    int colourCount = 0;   // entries in the colour table
    int colourEntrySize = 4;  // 3 for the old core header
    std::size_t pixelOffset = 0;  // from the start of the block
};
// False when the block is too short for what its header says.
bool ReadBitmapHeader(const std::vector<unsigned char>& block, BitmapInfo& info);

// The first picture anchored at (column, row), or nullptr.
Tegning* FindPicture(PictureList& list, int column, int row);
// Replaces the first picture at that square in place, else appends. The new picture has
// the default size and shifts. Returns false (list unchanged) when the bitmap cannot be read.
bool PlacePicture(PictureList& list, int column, int row, const std::string& path);

}  // namespace document
