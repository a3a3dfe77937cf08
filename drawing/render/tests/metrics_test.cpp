#include "drawing/render/metrics.h"

#include <gtest/gtest.h>

#include "drawing/render/paintgrid.h"
#include "settingsguard.h"

namespace render {
namespace {

TEST(SquareSize, FollowsClientHeightZoomAndSqueeze) {
    EXPECT_EQ(SquareHeightFor(600, 1.0, 10), 50);
    EXPECT_EQ(SquareWidthFor(50, 0.8), 40);
    EXPECT_EQ(SquareHeightFor(600, 1.09, 10), 54);  // 54.5 cut toward zero
    EXPECT_EQ(SquareWidthFor(50, -0.5), -25);

    CrosswordView view;
    view.doc = document::Crossword(13, 10);
    view.zoom = 1.0;
    view.squeeze = 0.8;
    const GridSize extent = GridExtent(view, 600);
    EXPECT_EQ(extent.width, 522);
    EXPECT_EQ(extent.height, 502);
    EXPECT_EQ(view.squareHeight, 50);
    EXPECT_EQ(view.squareWidth, 40);
}

TEST(LineMetrics, PixelsOfALine) {
    SettingsGuard guard;
    RelaFont layout;
    layout.ResetLines(38, 0, 100, 0);
    EXPECT_EQ(LineHeightPx(layout, 50, 1), 19);
    EXPECT_EQ(FontWidthPx(layout, 50, 1), 7);  // 6.84 rounded
    FontDescription base;
    const FontDescription font = ClueFontOfLine(layout, base, 50, 1);
    EXPECT_EQ(font.height, 19);
    EXPECT_EQ(font.width, 7);

    layout.lineRaise[1] = -0.1;
    EXPECT_EQ(RaisePx(layout, 55, 2), -5);  // −5.5 cut toward zero
    EXPECT_EQ(RaisePx(layout, 55, 0), 0);
}

TEST(LineMetrics, HeightFromEntryLWidthAndRaiseFromEntryLMinusOne) {
    RelaFont layout;
    layout.ResetLines(40, 0, 100, 0);
    layout.lineHeight[2] = 60;
    layout.lineRaise[2] = 0.5;
    // Line 2: height from entry 2, width and raise from entry 1.
    EXPECT_EQ(LineHeightPx(layout, 100, 2), 60);
    EXPECT_EQ(FontWidthPx(layout, 100, 2), 14);  // 100 · 0.40 · 0.36 = 14.4
    EXPECT_EQ(RaisePx(layout, 100, 2), 0);
    // Line 3: width and raise from entry 2.
    EXPECT_EQ(FontWidthPx(layout, 100, 3), 22);  // 21.6 rounded
    EXPECT_EQ(RaisePx(layout, 100, 3), 50);
    // Beyond the entries: everything from entry 9.
    layout.lineHeight[9] = 80;
    EXPECT_EQ(LineHeightPx(layout, 100, 9), 80);
    EXPECT_EQ(LineHeightPx(layout, 100, 14), 80);
    EXPECT_EQ(FontWidthPx(layout, 100, 14), 29);  // 28.8 rounded
}

TEST(LineMetrics, FontCheckComparesTheUnroundedWidth) {
    SettingsGuard guard;
    drawSettings().fontSqueeze = 90;
    RelaFont layout;
    layout.ResetLines(38, 0, 100, 0);
    FontDescription base;
    const LineFontSize size = ClueFontSize(layout, base, 50, 1);
    EXPECT_EQ(size.width, 6);  // 7 · 0.9 = 6.3
    const FontDescription made = ClueFontOfLine(layout, base, 50, 1);
    // A font of width 6 never serves a product of 6.3: the check makes a new font each time.
    EXPECT_FALSE(FontServes(made, size));
    drawSettings().fontSqueeze = 100;
    EXPECT_TRUE(FontServes(ClueFontOfLine(layout, base, 50, 1), ClueFontSize(layout, base, 50, 1)));
}

TEST(Adjustments, StepsActOnTheirEntries) {
    RelaFont layout;
    ScaleHeight(layout, 2, 1.02);  // Bigger on line 2: entry 2
    EXPECT_DOUBLE_EQ(layout.lineHeight[2], 45.0 * 1.02);
    EXPECT_DOUBLE_EQ(layout.lineHeight[1], 45.0);

    layout.widthRatio[1] = 0.5;
    ScaleWidth(layout, 2, 0.98);  // first Narrower only sets the default ratio
    EXPECT_EQ(layout.widthSet[1], 1);
    EXPECT_DOUBLE_EQ(layout.widthRatio[1], 0.36);
    ScaleWidth(layout, 2, 0.98);
    EXPECT_DOUBLE_EQ(layout.widthRatio[1], 0.36 * 0.98);
    ResetWidth(layout, 2);
    EXPECT_EQ(layout.widthSet[1], 0);
    EXPECT_DOUBLE_EQ(layout.widthRatio[1], 0.36);

    ShiftRaise(layout, 1, 0.03);
    EXPECT_DOUBLE_EQ(layout.lineRaise[0], 0.03);
    SetRaise(layout, 50, -10, 3);
    EXPECT_DOUBLE_EQ(layout.lineRaise[2], -0.2);
}

TEST(Adjustments, LineZeroActsOnEveryEntry) {
    RelaFont layout;
    ScaleHeight(layout, 0, 0.98);
    ShiftRaise(layout, 0, -0.03);
    SetRaise(layout, 40, 4, 0);
    for (int e = 0; e < document::kLayoutEntries; ++e) {
        EXPECT_DOUBLE_EQ(layout.lineHeight[e], 45.0 * 0.98) << e;
        EXPECT_DOUBLE_EQ(layout.lineRaise[e], 0.1) << e;
    }
}

}  // namespace
}  // namespace render
