#include "dib.h"

#include <cstdint>

#include "drawing/document/tegning.h"

namespace render {

namespace {

// Caps what a damaged header can make us allocate.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

std::uint32_t Argb(unsigned red, unsigned green, unsigned blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace

bool DecodeDib(const std::vector<unsigned char>& block, DibPixels& out) {
    document::BitmapInfo info;
    if (!document::ReadBitmapHeader(block, info)) return false;
    if (info.compression != 0) return false;  // compressed and bit-field bitmaps are skipped
    const int bits = info.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    const bool topDown = info.height < 0;
    const int width = info.width;
    const int height = topDown ? -info.height : info.height;
    if (std::int64_t{width} * height > kMaxPixels) return false;
    const std::size_t headerSize = static_cast<std::size_t>(info.headerSize);
    const std::size_t colourEntrySize = static_cast<std::size_t>(info.colourEntrySize);
    const std::uint32_t colourCount = static_cast<std::uint32_t>(info.colourCount);
    const std::size_t pixelOffset = info.pixelOffset;
    // ReadBitmapHeader has checked that every row lies inside the block.
    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;

    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        for (std::uint32_t i = 0; i < colourCount && i < 256; ++i) {
            const std::size_t at = headerSize + std::size_t{i} * colourEntrySize;
            if (at + 3 > block.size()) break;
            palette.push_back(Argb(block[at + 2], block[at + 1], block[at]));
        }
    }
    auto paletteColour = [&](unsigned index) {
        return index < palette.size() ? palette[index] : Argb(0, 0, 0);
    };

    DibPixels image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (int row = 0; row < height; ++row) {
        const unsigned char* src = block.data() + pixelOffset + stride * row;
        const int targetRow = topDown ? row : height - 1 - row;
        std::uint32_t* dst = image.pixels.data() + static_cast<std::size_t>(targetRow) * width;
        for (int x = 0; x < width; ++x) {
            switch (bits) {
                case 1:
                    dst[x] = paletteColour((src[x / 8] >> (7 - x % 8)) & 1);
                    break;
                case 4:
                    dst[x] = paletteColour((src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
                    break;
                case 8:
                    dst[x] = paletteColour(src[x]);
                    break;
                case 16: {
                    const unsigned v = src[2 * x] | (src[2 * x + 1] << 8);
                    auto scale = [](unsigned five) { return (five << 3) | (five >> 2); };
                    dst[x] = Argb(scale((v >> 10) & 31), scale((v >> 5) & 31), scale(v & 31));
                    break;
                }
                case 24:
                    dst[x] = Argb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                    break;
                case 32:
                    dst[x] = Argb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
                    break;
            }
        }
    }
    out = std::move(image);
    return true;
}

}  // namespace render
