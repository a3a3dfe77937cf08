#include "dib.h"

#include <cstdint>
#include <cstdlib>

namespace render {

namespace {

// Caps what a damaged header can make us allocate.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

std::uint32_t U16(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}
std::uint32_t U32(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::uint32_t Argb(unsigned red, unsigned green, unsigned blue) {
    return 0xFF000000u | (red << 16) | (green << 8) | blue;
}

}  // namespace

bool DecodeDib(const std::vector<unsigned char>& block, DibPixels& out) {
    if (block.size() < 16) return false;
    const std::uint32_t headerSize = U32(block, 0);
    int width = 0, height = 0, bits = 0, colourEntrySize = 4;
    std::uint32_t colourCount = 0;
    bool topDown = false;
    if (headerSize == 12) {
        width = static_cast<int>(U16(block, 4));
        height = static_cast<int>(U16(block, 6));
        bits = static_cast<int>(U16(block, 10));
        colourEntrySize = 3;
        if (bits <= 8) colourCount = 1u << bits;
    } else {
        if (headerSize < 16 || headerSize > block.size()) return false;
        width = static_cast<int>(U32(block, 4) & 0xFFFF);
        const auto storedHeight = static_cast<std::int32_t>(U32(block, 8));
        topDown = storedHeight < 0;
        height = static_cast<int>(std::abs(static_cast<std::int64_t>(storedHeight)) & 0xFFFF);
        bits = static_cast<int>(U16(block, 14));
        if (headerSize >= 20 && U32(block, 16) != 0) return false;  // compressed
        const std::uint32_t used = headerSize >= 36 ? U32(block, 32) : 0;
        if (used != 0)
            colourCount = used;
        else if (bits <= 8)
            colourCount = 1u << bits;
    }
    const std::uint64_t pixelOffset =
        headerSize + std::uint64_t{colourCount} * static_cast<std::uint64_t>(colourEntrySize);
    if (pixelOffset > block.size()) return false;
    if (width <= 0 || height <= 0) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return false;
    if (std::int64_t{width} * height > kMaxPixels) return false;

    const std::size_t stride = ((static_cast<std::size_t>(width) * bits + 31) / 32) * 4;
    const std::size_t pixelBytes = stride * static_cast<std::size_t>(height);
    if (pixelOffset > block.size() || block.size() - pixelOffset < pixelBytes) return false;

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
