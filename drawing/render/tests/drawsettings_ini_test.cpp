#include "drawing/render/drawsettings_ini.h"

#include <gtest/gtest.h>

#include <cstring>

namespace render {
namespace {

TEST(ReadDrawSettings, MissingKeysGiveTheDefaults) {
    DrawSettings settings;
    settings.lineThickness = 7;
    ReadDrawSettings(platform::Profile::fromText("[Other]\nStregtyk=5\n"), settings);
    const DrawSettings defaults;
    EXPECT_EQ(settings.lineThickness, 1);
    EXPECT_DOUBLE_EQ(settings.zoomPercent, 109.0);
    EXPECT_DOUBLE_EQ(settings.squeeze, 1.0);
    EXPECT_EQ(settings.clueFont, defaults.clueFont);
    EXPECT_EQ(settings.solutionFont, defaults.solutionFont);
    EXPECT_STREQ(settings.clueFont.faceName, "Technical");
    EXPECT_EQ(settings.clueFont.weight, 600);
}

TEST(ReadDrawSettings, EveryKeyWithItsConversion) {
    DrawSettings settings;
    ReadDrawSettings(platform::Profile::fromText("[opsat]\n"
                                                 "LosFont=Times New Roman\n"
                                                 "LedFont=Courier\n"
                                                 "LedStor=-24\n"
                                                 "Bredde=15\nHojde=8\n"
                                                 "Losning=7\n"
                                                 "Zoom=955\n"
                                                 "MasFont=80\n"
                                                 "Midtstil=257\n"
                                                 "Piltyk=3\nBogstavtyk=700\nStregtyk=0\n"
                                                 "Sqeeze=75\n"),
                     settings);
    EXPECT_STREQ(settings.solutionFont.faceName, "Times New Roman");
    EXPECT_EQ(settings.solutionFont.height, 20);
    EXPECT_STREQ(settings.clueFont.faceName, "Courier");
    EXPECT_EQ(settings.clueFont.height, -24);
    EXPECT_EQ(settings.defaultWidth, 15);
    EXPECT_EQ(settings.defaultHeight, 8);
    EXPECT_EQ(settings.showSolution, 1);
    EXPECT_DOUBLE_EQ(settings.zoomPercent, 95.5);
    EXPECT_DOUBLE_EQ(settings.fontSqueeze, 80);
    EXPECT_EQ(settings.centreText, 1);
    EXPECT_EQ(settings.arrowThickness, 3);
    EXPECT_EQ(settings.letterWeight, 700);
    EXPECT_EQ(settings.lineThickness, 0);
    EXPECT_DOUBLE_EQ(settings.squeeze, 0.75);
}

TEST(ReadDrawSettings, LongFaceNamesAreCut) {
    DrawSettings settings;
    ReadDrawSettings(platform::Profile::fromText(
                         "[Opsat]\nLedFont=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n"),
                     settings);
    EXPECT_EQ(std::strlen(settings.clueFont.faceName), 31u);
}

}  // namespace
}  // namespace render
