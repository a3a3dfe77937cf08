#include "drawing/render/paintgrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drawing/render/drawpictures.h"
#include "drawing/render/recordingsurface.h"
#include "settingsguard.h"

namespace render {
namespace {

using Kind = RecordingSurface::Kind;
using Line = RecordingSurface::Line;

constexpr Rect kScreen{0, 0, 800, 600};

class PaintGridTest : public ::testing::Test {
protected:
    PaintGridTest() {
        view_.doc = document::Crossword(13, 10);
        view_.zoom = 1.0;
        view_.squeeze = 1.0;
        view_.margin = 10;
    }
    void Paint(const PaintFlags& flags = {}) {
        PaintGrid(view_, surface_, kScreen, 600, flags);
    }
    std::vector<Line> LinesAt(int x1, int y1, int x2, int y2) const {
        std::vector<Line> found;
        for (const Line& line : surface_.lines())
            if (line.x1 == x1 && line.y1 == y1 && line.x2 == x2 && line.y2 == y2)
                found.push_back(line);
        return found;
    }
    SettingsGuard guard_;
    CrosswordView view_;
    RecordingSurface surface_;
};

TEST_F(PaintGridTest, FrameAndSquareLinesAtTheirCoordinates) {
    view_.frameColour = Rgb{200, 0, 0};
    drawSettings().lineThickness = 2;
    Paint();
    EXPECT_EQ(view_.squareHeight, 50);
    EXPECT_EQ(view_.squareWidth, 50);
    const Rgb frame{200, 0, 0};
    EXPECT_EQ(LinesAt(10, 10, 10, 510), (std::vector<Line>{{10, 10, 10, 510, frame, 4}}));
    EXPECT_EQ(LinesAt(660, 10, 660, 510), (std::vector<Line>{{660, 10, 660, 510, frame, 4}}));
    EXPECT_EQ(LinesAt(10, 10, 660, 10), (std::vector<Line>{{10, 10, 660, 10, frame, 4}}));
    EXPECT_EQ(LinesAt(10, 510, 660, 510), (std::vector<Line>{{10, 510, 660, 510, frame, 4}}));
    EXPECT_EQ(LinesAt(60, 10, 60, 60), (std::vector<Line>{{60, 10, 60, 60, kBlack, 2}}));
    EXPECT_EQ(LinesAt(610, 460, 660, 460), (std::vector<Line>{{610, 460, 660, 460, kBlack, 2}}));
    // 4 frame sides, 12 inner columns x 10 rows, 9 inner rows x 13 columns.
    EXPECT_EQ(surface_.lines().size(), 4u + 120u + 117u);
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

TEST_F(PaintGridTest, SeparatorsLeaveExactlyTheirSegmentOut) {
    view_.doc.grid.At(3, 4).lineRight = 0;   // vertical line 3, row 4
    view_.doc.grid.At(5, 2).lineBottom = 0;  // horizontal line 2, column 5
    view_.doc.grid.At(13, 1).lineRight = 0;  // the frame is never interrupted
    view_.doc.grid.At(1, 10).lineBottom = 0;
    Paint();
    EXPECT_TRUE(LinesAt(160, 160, 160, 210).empty());
    EXPECT_EQ(LinesAt(160, 110, 160, 160).size(), 1u);
    EXPECT_EQ(LinesAt(160, 210, 160, 260).size(), 1u);
    EXPECT_TRUE(LinesAt(210, 110, 260, 110).empty());
    EXPECT_EQ(LinesAt(160, 110, 210, 110).size(), 1u);
    EXPECT_EQ(LinesAt(660, 10, 660, 510).size(), 1u);
    EXPECT_EQ(LinesAt(10, 510, 660, 510).size(), 1u);
    EXPECT_EQ(surface_.lines().size(), 4u + 119u + 116u);
}

TEST_F(PaintGridTest, NoLinesAtThicknessZeroButMarkupStays) {
    drawSettings().lineThickness = 0;
    view_.doc.grid.At(2, 2).MakeClue("_");
    Paint();
    ASSERT_EQ(surface_.lines().size(), 1u);
    EXPECT_EQ(surface_.lines()[0].width, 0);  // drawn one pixel wide
}

struct CursorCase {
    const char* name;
    PaintFlags flags;
    bool filled;
};

class CursorTest : public PaintGridTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorTest, HighlightOnlyOnTheScreen) {
    view_.cursorColumn = 3;
    view_.cursorRow = 2;
    Paint(GetParam().flags);
    const auto fills = surface_.opsOf(Kind::FillRect);
    if (!GetParam().filled) {
        EXPECT_TRUE(fills.empty());
        return;
    }
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{111, 60, 160, 110}));
    EXPECT_EQ(fills[0].colour, kLtYellow);
}

INSTANTIATE_TEST_SUITE_P(Modes, CursorTest,
                         ::testing::Values(CursorCase{"screen", PaintFlags{}, true},
                                           CursorCase{"printing", PaintFlags{1, false, nullptr},
                                                      false},
                                           CursorCase{"exporting", PaintFlags{0, true, nullptr},
                                                      false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PaintGridTest, PrintingSetsThePageRangeForANonEmptyArea) {
    PrinterPageRange printer{3, 9};
    PaintGrid(view_, surface_, Rect{}, 600, PaintFlags{1, false, &printer});
    EXPECT_EQ(printer.minPage, 3);
    PaintGrid(view_, surface_, kScreen, 600, PaintFlags{1, false, &printer});
    EXPECT_EQ(printer.minPage, 1);
    EXPECT_EQ(printer.maxPage, 1);
}

TEST_F(PaintGridTest, LettersAreCentredByTheirWidths) {
    view_.squeeze = 0.5;  // squares 25 wide
    surface_.charWidths['A'] = {2, 10, 2};
    surface_.charWidths['W'] = {1, 30, 1};
    surface_.charWidths['b'] = {0, 5, 0};
    view_.doc.grid.At(1, 1).MakeLetter('W');     // (25 − 32) / 2 = −3.5 → −3
    view_.doc.grid.At(2, 1).MakeLetter('\xC6');  // Æ: the widths of W
    view_.doc.grid.At(3, 1).MakeLetter('\xD8');  // Ø: the widths of A
    view_.doc.grid.At(4, 1).MakeLetter('b');     // its own widths
    view_.doc.grid.At(5, 1).MakeLetter('A');
    Paint();
    const auto& texts = surface_.texts();
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].x, 10 - 3);
    EXPECT_EQ(texts[1].x, 35 - 3);
    EXPECT_EQ(texts[2].x, 60 + 6);
    EXPECT_EQ(texts[3].x, 85 + 10);
    EXPECT_EQ(texts[4].x, 110 + 6);
    for (const auto& text : texts) {
        EXPECT_EQ(text.y, 10);
        EXPECT_EQ(text.font.height, 50);
        EXPECT_EQ(text.font.width, 0);
    }
}

TEST_F(PaintGridTest, CluesOnSquareHeightAndLettersOnlyWithSolution) {
    view_.squeeze = 0.5;
    view_.showSolution = 0;
    view_.doc.grid.At(1, 1).MakeLetter('Q');
    view_.doc.grid.At(3, 2).MakeClue("AB");
    view_.clueFont.weight = 900;
    drawSettings().letterWeight = 300;
    Paint();
    ASSERT_EQ(surface_.texts().size(), 1u);
    const auto& clue = surface_.texts()[0];
    EXPECT_EQ(clue.text, "AB");
    EXPECT_EQ(clue.x, 50 / 20 + 2 * 25 + 10);
    EXPECT_EQ(clue.y, 60);
    EXPECT_EQ(clue.font.height, 23);  // 45 percent of the square height 50, rounded
    EXPECT_EQ(clue.font.weight, 300);
    EXPECT_EQ(currentClueFont.weight, 300);
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

TEST_F(PaintGridTest, CluesOutsideTheVisibleAreaAreSkipped) {
    view_.doc.grid.At(1, 1).MakeClue("AB");
    view_.doc.grid.At(13, 10).MakeClue("CD");
    surface_.visibleArea = Rect{0, 0, 100, 100};
    Paint();
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].text, "AB");
}

TEST(PictureRect, PlacedInSquareUnits) {
    document::Tegning picture;
    picture.column = 2;
    picture.row = 1;
    EXPECT_EQ(PictureRect(picture, 10, 40, 40), (Rect{90, 50, 130, 90}));
    picture.relWidth = 2.0f;
    picture.relHeight = 0.5f;
    picture.relAcross = 0.25f;
    EXPECT_EQ(PictureRect(picture, 10, 40, 40), (Rect{100, 50, 180, 70}));
}

// A 2 x 2 bitmap, 24 bits, bottom-up: the block as loaded (no file header).
std::vector<unsigned char> TwoByTwo(int storedHeight) {
    std::vector<unsigned char> block(40 + 16, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) block[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    put32(0, 40);
    put32(4, 2);
    put32(8, static_cast<std::uint32_t>(storedHeight));
    block[12] = 1;
    block[14] = 24;
    // First stored row: red, green (BGR); second: blue, white.
    const unsigned char pixels[16] = {0, 0, 255, 0, 255, 0, 0, 0, 255, 0, 0, 255, 255, 255, 0, 0};
    std::copy(pixels, pixels + 16, block.begin() + 40);
    return block;
}

TEST_F(PaintGridTest, PicturesDrawnLastWhenVisible) {
    document::Tegning picture;
    picture.column = 1;
    picture.row = 1;
    picture.bitmap = TwoByTwo(2);
    view_.doc.pictures.push_back(picture);
    picture.column = 12;
    picture.row = 9;
    view_.doc.pictures.push_back(picture);
    view_.doc.pictures.push_back(document::Tegning{});  // no bitmap
    surface_.visibleArea = Rect{0, 0, 300, 300};
    Paint();
    const auto stretched = surface_.opsOf(Kind::StretchDib);
    ASSERT_EQ(stretched.size(), 1u);
    EXPECT_EQ(stretched[0].rect, (Rect{60, 60, 110, 110}));
    // Over the grid: after the last line.
    const auto& ops = surface_.ops();
    const auto lastLine = std::find_if(ops.rbegin(), ops.rend(),
                                       [](const auto& op) { return op.kind == Kind::LineTo; });
    const auto stretch = std::find_if(ops.rbegin(), ops.rend(),
                                      [](const auto& op) { return op.kind == Kind::StretchDib; });
    EXPECT_LT(stretch - ops.rbegin(), lastLine - ops.rbegin());
}

}  // namespace
}  // namespace render
