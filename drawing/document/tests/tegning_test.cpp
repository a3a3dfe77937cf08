#include "drawing/document/tegning.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/messages.h"

namespace document {
namespace {

const std::string kHeart = std::string(TRELMO_SOURCE_DIR) + "/examples/heart.bmp";

std::string le32(std::uint32_t v) {
    return {char(v & 0xff), char(v >> 8 & 0xff), char(v >> 16 & 0xff), char(v >> 24)};
}
std::string le16(std::uint16_t v) { return {char(v & 0xff), char(v >> 8)}; }

// A file: 14-byte file header (its size fields deliberately wrong) and `block`.
std::string bmpFile(const std::string& block) {
    return "BM" + le32(999999) + le32(0) + le32(0) + block;
}

// An info header of `size` bytes for a width x height bitmap.
std::string infoHeader(std::uint32_t size, int width, int height, int bits,
                       std::uint32_t used = 0) {
    std::string h = le32(size) + le32(std::uint32_t(width)) + le32(std::uint32_t(height)) +
                    le16(1) + le16(std::uint16_t(bits)) + le32(0) + le32(0) + le32(0) + le32(0) +
                    le32(used) + le32(0);
    h.resize(size, '\0');
    return h;
}

TEST(ReadBitmap, AcceptsOrRefusesByTheFileAndInfoHeaders) {
    struct Case {
        const char* name;
        std::string file;
        bool accepted;
    };
    const Case cases[] = {
        {"info header", bmpFile(infoHeader(40, 1, 1, 24) + std::string(4, 'p')), true},
        {"core header", bmpFile(le32(12) + le16(1) + le16(1) + le16(1) + le16(24) + "pppp"), true},
        {"16-byte header", bmpFile(infoHeader(16, 1, 1, 24)), true},
        {"header size 13", bmpFile(le32(13) + std::string(20, 0)), false},
        {"not BM", "XM" + bmpFile(infoHeader(40, 1, 1, 24)).substr(2), false},
        {"file header only", bmpFile(""), false},
        {"shorter than a file header", "BM12", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        Tegning t;
        EXPECT_EQ(ReadBitmapBytes(t, c.file), c.accepted) << c.name;
        EXPECT_EQ(t.hasBitmap(), c.accepted) << c.name;
        if (c.accepted) {
            EXPECT_EQ(t.bitmapSize(), c.file.size() - 14) << "the rest of the file, whatever the "
                                                             "header says: "
                                                          << c.name;
        }
    }
}

TEST(ReadBitmap, HeaderFactsAndBlocksTooShortForThem) {
    struct Case {
        const char* name;
        std::string block;
        bool ok;
        int width, height, bits, colours;
        std::size_t pixelOffset;
    };
    const std::string core = le32(12) + le16(3) + le16(2) + le16(1) + le16(1);
    const Case cases[] = {
        {"24 bits, no colour table", infoHeader(40, 2, 2, 24) + std::string(16, 0), true, 2, 2, 24,
         0, 40},
        {"8 bits, full table", infoHeader(40, 4, 1, 8) + std::string(1024 + 4, 0), true, 4, 1, 8,
         256, 40 + 1024},
        {"8 bits, colours used", infoHeader(40, 4, 1, 8, 2) + std::string(8 + 4, 0), true, 4, 1, 8,
         2, 48},
        {"core, 1 bit, 3-byte entries", core + std::string(6 + 8, 0), true, 3, 2, 1, 2, 18},
        {"top-down", infoHeader(40, 1, -2, 24) + std::string(8, 0), true, 1, -2, 24, 0, 40},
        {"pixels cut short", infoHeader(40, 2, 2, 24) + std::string(15, 0), false, 0, 0, 0, 0, 0},
        {"huge colour count", infoHeader(40, 1, 1, 8, 0xFFFFFFFF) + std::string(64, 0), false, 0, 0,
         0, 0, 0},
        {"huge bit count", infoHeader(40, 1, 1, 60000) + std::string(64, 0), false, 0, 0, 0, 0, 0},
        {"header longer than block", le32(400) + std::string(20, 0), false, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        BitmapInfo info;
        const std::vector<unsigned char> block(c.block.begin(), c.block.end());
        ASSERT_EQ(ReadBitmapHeader(block, info), c.ok) << c.name;
        if (!c.ok) continue;
        EXPECT_EQ(info.width, c.width) << c.name;
        EXPECT_EQ(info.height, c.height) << c.name;
        EXPECT_EQ(info.bitCount, c.bits) << c.name;
        EXPECT_EQ(info.colourCount, c.colours) << c.name;
        EXPECT_EQ(info.pixelOffset, c.pixelOffset) << c.name;
    }
}

class Pictures : public ::testing::Test {
protected:
    platform::MessageRecorder recorder_;
    platform::ScopedMessageService scoped_{recorder_};
};

TEST_F(Pictures, PlaceReplacesTheFirstAtItsSquareOrAppends) {
    PictureList list;
    ASSERT_TRUE(PlacePicture(list, 2, 1, kHeart));
    ASSERT_TRUE(PlacePicture(list, 0, 0, kHeart));
    list[0].relWidth = 3.0f;
    ASSERT_TRUE(PlacePicture(list, 2, 1, kHeart));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].column, 2);
    EXPECT_EQ(list[0].relWidth, 1.0f) << "the replacement has the default size";
    EXPECT_EQ(FindPicture(list, 0, 0), &list[1]);
    EXPECT_EQ(FindPicture(list, 5, 5), nullptr);
    EXPECT_TRUE(recorder_.shown.empty());
}

TEST_F(Pictures, PlacingAFileThatIsNoBitmapAddsNothing) {
    PictureList list;
    const std::string notBitmap = std::string(TRELMO_SOURCE_DIR) + "/examples/plaingrid.txt";
    EXPECT_FALSE(PlacePicture(list, 0, 0, notBitmap));
    EXPECT_TRUE(list.empty());
    ASSERT_EQ(recorder_.shown.size(), 1u) << "the reader itself says nothing";
    EXPECT_EQ(recorder_.shown[0].text, notBitmap);
    EXPECT_EQ(recorder_.shown[0].caption, "Cannot open DIB/BMP-file");
    EXPECT_EQ(recorder_.shown[0].icon, platform::Icon::Exclamation);

    recorder_.shown.clear();
    EXPECT_FALSE(PlacePicture(list, 0, 0, "/no/such/file.bmp"));
    ASSERT_EQ(recorder_.shown.size(), 2u);
    EXPECT_EQ(recorder_.shown[0].caption, "Error - Cannot open");
    EXPECT_EQ(recorder_.shown[1].caption, "Cannot open DIB/BMP-file");
}

TEST_F(Pictures, PathsTheCrosswordFileCannotHoldAreRefused) {
    PictureList list;
    for (std::string path : {std::string(""), " " + kHeart, kHeart + "\nx"})
        EXPECT_FALSE(PlacePicture(list, 0, 0, path)) << path;
    EXPECT_TRUE(list.empty());
}

}  // namespace
}  // namespace document
