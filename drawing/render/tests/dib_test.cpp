#include "drawing/render/dib.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace render {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

// A block as loaded from a file: info header, colour table, pixel rows (4-byte aligned).
struct BlockBuilder {
    std::vector<unsigned char> bytes;
    void u16(std::uint16_t v) {
        for (int i = 0; i < 2; ++i) bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void u32(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void infoHeader(int width, int height, int bits, std::uint32_t compression = 0,
                    std::uint32_t coloursUsed = 0) {
        u32(40);
        u32(static_cast<std::uint32_t>(width));
        u32(static_cast<std::uint32_t>(height));
        u16(1);
        u16(static_cast<std::uint16_t>(bits));
        u32(compression);
        for (int i = 0; i < 3; ++i) u32(0);
        u32(coloursUsed);
        u32(0);
    }
    void raw(std::initializer_list<unsigned char> values) {
        bytes.insert(bytes.end(), values);
    }
};

std::vector<unsigned char> TwentyFourBit(int storedHeight) {
    BlockBuilder b;
    b.infoHeader(2, storedHeight, 24);
    b.raw({0, 0, 255, 0, 255, 0, 0, 0});        // stored first: red, green
    b.raw({255, 0, 0, 255, 255, 255, 0, 0});    // then blue, white
    return b.bytes;
}

TEST(DecodeDib, BottomUpAndTopDownRows) {
    DibPixels image;
    ASSERT_TRUE(DecodeDib(TwentyFourBit(2), image));
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kBlue, kWhite, kRed, kGreen}));

    ASSERT_TRUE(DecodeDib(TwentyFourBit(-2), image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kRed, kGreen, kBlue, kWhite}));
}

TEST(DecodeDib, PaletteBitmapsWithCoreAndInfoHeaders) {
    BlockBuilder info;
    info.infoHeader(9, 1, 1, 0, 2);
    info.raw({0, 0, 0, 0, 255, 255, 255, 0});  // black, white
    info.raw({0xA0, 0x80, 0, 0});              // 1010 0000 1
    DibPixels image;
    ASSERT_TRUE(DecodeDib(info.bytes, image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kWhite, kBlack, kWhite, kBlack, kBlack,
                                                        kBlack, kBlack, kBlack, kWhite}));

    BlockBuilder core;  // 12-byte header, 3-byte colour entries, 16 of them at 4 bits
    core.u32(12);
    core.u16(3);
    core.u16(1);
    core.u16(1);
    core.u16(4);
    for (int i = 0; i < 16; ++i) core.raw({static_cast<unsigned char>(i), 0, 0});
    core.raw({0x1F, 0x00, 0, 0});
    ASSERT_TRUE(DecodeDib(core.bytes, image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{0xFF000001, 0xFF00000F, kBlack}));
}

TEST(DecodeDib, RefusesWhatItCannotDraw) {
    DibPixels untouched;
    untouched.width = 7;
    auto truncated = TwentyFourBit(2);
    truncated.resize(truncated.size() - 1);
    BlockBuilder compressed;
    compressed.infoHeader(2, 2, 8, 1);
    compressed.bytes.resize(40 + 1024 + 8, 0);
    BlockBuilder empty;
    empty.infoHeader(0, 2, 24);
    for (const auto& block : {truncated, compressed.bytes, empty.bytes,
                              std::vector<unsigned char>{40, 0, 0}}) {
        EXPECT_FALSE(DecodeDib(block, untouched));
        EXPECT_EQ(untouched.width, 7);
    }
}

}  // namespace
}  // namespace render
