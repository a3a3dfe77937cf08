#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

TEST(Cp1252, EveryByteSurvivesTheRoundTripThroughUtf8) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
    for (int b = 0; b < 256; ++b) {
        EXPECT_EQ(unicodeToCp1252(cp1252ToUnicode(static_cast<unsigned char>(b))), b) << b;
    }
}

TEST(Cp1252, SpecialsDifferFromLatin1) {
    struct Case {
        unsigned char byte;
        char32_t codePoint;
    };
    const Case cases[] = {
        {0x80, 0x20AC}, {0x8A, 0x0160}, {0x8C, 0x0152}, {0x91, 0x2018}, {0x96, 0x2013},
        {0x99, 0x2122}, {0x9F, 0x0178}, {0x81, 0x0081}, {0x9D, 0x009D}, {0xE6, 0x00E6},
    };
    for (const Case& c : cases) EXPECT_EQ(cp1252ToUnicode(c.byte), c.codePoint) << int(c.byte);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");
    EXPECT_EQ(cp1252ToUtf8("\xC6\xD8\xC5"), "\xC3\x86\xC3\x98\xC3\x85");  // Danish capitals
}

TEST(Cp1252, CodePointsWithoutAByte) {
    // Latin-1 C1 controls that 1252 uses for printable characters have no byte of their own.
    EXPECT_EQ(unicodeToCp1252(0x0080), -1);
    EXPECT_EQ(unicodeToCp1252(0x009F), -1);
    EXPECT_EQ(unicodeToCp1252(0x0100), -1);
    EXPECT_EQ(unicodeToCp1252(0x1F600), -1);
}

TEST(Cp1252, Utf8ToCp1252ReplacesWhatItCannotEncode) {
    struct Case {
        const char* name;
        std::string utf8;
        std::string expected;
    };
    const Case cases[] = {
        {"euro and quotes", "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D", "\x80 \x93x\x94"},
        {"emoji",
         "a\xF0\x9F\x98\x80"
         "b",
         "a?b"},
        {"lone continuation",
         "a\x80"
         "b",
         "a?b"},
        {"truncated sequence", "a\xE2\x82", "a??"},
        {"overlong slash", "\xC0\xAF", "??"},
        {"surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8ToCp1252(c.utf8), c.expected) << c.name;
    EXPECT_EQ(utf8ToCp1252("\xE2\x98\x83", '_'), "_");
}

TEST(Cp1252, CaseFoldingCoversTheCodePagesLetters) {
    EXPECT_TRUE(equalsNoCase("Opsat", "OPSAT"));
    EXPECT_TRUE(equalsNoCase("\xC6\xD8\xC5", "\xE6\xF8\xE5"));  // ÆØÅ / æøå
    EXPECT_TRUE(equalsNoCase("\x8A\x8C\x8E\x9F", "\x9A\x9C\x9E\xFF"));
    EXPECT_FALSE(equalsNoCase("\xD7", "\xF7"));  // multiplication and division signs
    EXPECT_FALSE(equalsNoCase("[", "{"));
    EXPECT_FALSE(equalsNoCase("Opsat", "Opsa"));
}

}  // namespace
}  // namespace platform
