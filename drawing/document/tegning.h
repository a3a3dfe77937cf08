#pragma once
// A picture on the crossword: a Windows bitmap anchored to a square (0-based column, row),
// sized and shifted in units of the square size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
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
    std::string path;  // as stored in the crossword file; no line end, no leading blank
    // The size the crossword file gave; written back while no bitmap is loaded.
    std::uint32_t recordedSize = 0;

    Tegning() = default;
    // Loads the bitmap from `path`; on failure shows "Cannot open DIB/BMP-file".
    Tegning(int column, int row, std::string path);

    bool hasBitmap() const { return !bitmap.empty(); }
    std::uint32_t bitmapSize() const {
        return hasBitmap() ? static_cast<std::uint32_t>(bitmap.size()) : recordedSize;
    }
};

using PictureList = std::vector<Tegning>;  // in placing order

// Reads a BMP file into picture.bitmap; false (and no bitmap) when it cannot. A file that
// cannot be opened shows "Error - Cannot open"; a file that is no bitmap is refused quietly.
bool ReadBitmapFile(Tegning& picture, const std::string& path);
// The same checks on the bytes of a whole file.
bool ReadBitmapBytes(Tegning& picture, std::string_view file);

// The header facts of a loaded bitmap block, as the drawing needs them.
struct BitmapInfo {
    int width = 0;
    int height = 0;  // as stored; negative = top-down
    int bitCount = 0;
    int headerSize = 0;
    int colourCount = 0;          // entries in the colour table
    int colourEntrySize = 4;      // 3 for the old core header
    int compression = 0;          // 0 = none; the info header's compression code
    std::size_t pixelOffset = 0;  // from the start of the block
};
// False when the block is too short for what its header says (for uncompressed pixels,
// every row; for compressed ones, at least the colour table).
bool ReadBitmapHeader(const std::vector<unsigned char>& block, BitmapInfo& info);

// The first picture anchored at (column, row), or nullptr.
Tegning* FindPicture(PictureList& list, int column, int row);
// Replaces the first picture at that square in place, else appends. The new picture has
// the default size and shifts. Returns false (list unchanged) when the bitmap cannot be read.
bool PlacePicture(PictureList& list, int column, int row, const std::string& path);

}  // namespace document
