#include "drawing/shell/gridediting.h"

#include <gtest/gtest.h>

#include "drawing/shell/tests/scripteddialogs.h"
#include "platform/messages.h"

namespace shell {
namespace {

using render::CrosswordView;

// A 13 x 10 crossword with 40-pixel squares in a window that shows all of it.
CrosswordView makeView(int columns = 13, int rows = 10) {
    CrosswordView v;
    v.doc = document::Crossword(columns, rows);
    v.squareWidth = 40;
    v.squareHeight = 40;
    return v;
}

const Viewport kWide{0, 0, 2000, 2000};

char letterAt(const CrosswordView& v, int column, int row) {
    return v.doc.grid.At(column, row).Letter();
}

void typeText(CrosswordView& v, const std::string& text, const Viewport& port = kWide) {
    for (char c : text) {
        ScrollRequest scroll;
        TypeCharacter(v, c, port, scroll);
    }
}

TEST(Typing, StoresUpperCaseLettersAndMovesAcross) {
    CrosswordView v = makeView();
    typeText(v, "ab\xE6 ");
    EXPECT_EQ(letterAt(v, 1, 1), 'A');
    EXPECT_EQ(letterAt(v, 2, 1), 'B');
    EXPECT_EQ(letterAt(v, 3, 1), '\xC6');
    EXPECT_EQ(letterAt(v, 4, 1), ' ');
    EXPECT_EQ(v.cursorColumn, 5);
    EXPECT_TRUE(v.doc.modified);
}

TEST(Typing, LastColumnKeepsTheCursorSoTheNextLetterOverwrites) {
    CrosswordView v = makeView();
    v.cursorColumn = 13;
    typeText(v, "AB");
    EXPECT_EQ(letterAt(v, 13, 1), 'B');
    EXPECT_EQ(v.cursorColumn, 13);
}

TEST(Typing, DigitsAndSignsChangeNothing) {
    CrosswordView v = makeView();
    ScrollRequest scroll;
    for (char c : std::string("5#-.")) EXPECT_EQ(TypeCharacter(v, c, kWide, scroll), Typed::Ignored);
    EXPECT_EQ(letterAt(v, 1, 1), 0);
    EXPECT_EQ(v.cursorColumn, 1);
    EXPECT_FALSE(v.doc.modified);
}

TEST(Typing, ClueSquareRefusesTheLetterButCountsAsChange) {
    CrosswordView v = makeView();
    v.doc.grid.At(1, 1).MakeClue("clue");
    ScrollRequest scroll;
    EXPECT_EQ(TypeCharacter(v, 'x', kWide, scroll), Typed::Refused);
    EXPECT_EQ(v.doc.grid.At(1, 1).Text(), "clue");
    EXPECT_EQ(v.cursorColumn, 1);
    EXPECT_TRUE(v.doc.modified);
}

TEST(Typing, UpSwitchesToDownwardsEvenInTheTopRow) {
    CrosswordView v = makeView();
    PressKey(v, GridKey::Up, kWide);
    EXPECT_EQ(v.typeDown, 1);
    EXPECT_EQ(v.cursorRow, 1);
    typeText(v, "XY");
    EXPECT_EQ(letterAt(v, 1, 1), 'X');
    EXPECT_EQ(letterAt(v, 1, 2), 'Y');
    EXPECT_EQ(v.cursorRow, 3);
    PressKey(v, GridKey::Left, kWide);
    EXPECT_EQ(v.typeDown, 0);
}

TEST(Typing, ScrollsWhenTheCursorLeavesTheWindow) {
    CrosswordView v = makeView();
    const Viewport narrow{0, 0, 100, 100};  // two squares and a half
    v.cursorColumn = 2;
    ScrollRequest scroll;
    TypeCharacter(v, 'A', narrow, scroll);
    EXPECT_EQ(scroll.dx, 30);  // 3 x 40 + 10 > 100
    v.typeDown = 1;
    v.cursorRow = 2;
    TypeCharacter(v, 'A', narrow, scroll);
    EXPECT_EQ(scroll.dy, 80 / 15);
}

struct KeyCase {
    const char* name;
    GridKey key;
    int startColumn, startRow;
    Viewport port;
    int column, row, dx, dy;
};

class CursorKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CursorKeys, MoveStopAtTheEdgesAndScroll) {
    const KeyCase& c = GetParam();
    CrosswordView v = makeView();
    v.cursorColumn = c.startColumn;
    v.cursorRow = c.startRow;
    const ScrollRequest scroll = PressKey(v, c.key, c.port);
    EXPECT_EQ(v.cursorColumn, c.column);
    EXPECT_EQ(v.cursorRow, c.row);
    EXPECT_EQ(scroll.dx, c.dx);
    EXPECT_EQ(scroll.dy, c.dy);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, CursorKeys,
    ::testing::Values(
        KeyCase{"LeftStopsAtColumnOne", GridKey::Left, 1, 1, kWide, 1, 1, 0, 0},
        KeyCase{"RightStopsAtLastColumn", GridKey::Right, 13, 1, kWide, 13, 1, 0, 0},
        KeyCase{"DownStopsAtLastRow", GridKey::Down, 1, 10, kWide, 1, 10, 0, 0},
        KeyCase{"RightPastTheWindowScrolls", GridKey::Right, 2, 1, {0, 0, 100, 100}, 3, 1, 5, 0},
        KeyCase{"LeftIntoHiddenPartScrollsBack", GridKey::Left, 5, 1, {10, 0, 100, 100}, 4, 1, -5, 0},
        KeyCase{"DownPastTheWindowScrolls", GridKey::Down, 1, 2, {0, 0, 100, 100}, 1, 3, 0, 5},
        KeyCase{"UpIntoHiddenPartScrollsBack", GridKey::Up, 1, 5, {0, 10, 100, 100}, 1, 4, 0, -5},
        KeyCase{"PageDownScrollsTwoSquareWidths", GridKey::PageDown, 1, 1, kWide, 1, 1, 0, 5},
        KeyCase{"PageUpScrollsBack", GridKey::PageUp, 1, 1, kWide, 1, 1, 0, -5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Clearing, DeleteLeavesASpaceInLetterSquaresAndSparesClues) {
    CrosswordView v = makeView();
    typeText(v, "A");
    v.cursorColumn = 1;
    PressKey(v, GridKey::Delete, kWide);
    EXPECT_EQ(letterAt(v, 1, 1), ' ');
    v.doc.grid.At(2, 1).MakeClue("clue");
    v.cursorColumn = 2;
    PressKey(v, GridKey::Delete, kWide);
    EXPECT_TRUE(v.doc.grid.At(2, 1).isClue);
    EXPECT_EQ(v.doc.grid.At(2, 1).Text(), "clue");
}

TEST(Clearing, BackspaceStepsBackInTheTypingDirectionAndClears) {
    CrosswordView v = makeView();
    typeText(v, "AB");
    PressKey(v, GridKey::Backspace, kWide);
    EXPECT_EQ(v.cursorColumn, 2);
    EXPECT_EQ(letterAt(v, 2, 1), ' ');
    EXPECT_EQ(letterAt(v, 1, 1), 'A');

    v.typeDown = 1;
    v.cursorRow = 3;
    v.cursorColumn = 1;
    v.doc.grid.At(1, 2).MakeLetter('Q');
    PressKey(v, GridKey::Backspace, kWide);
    EXPECT_EQ(v.cursorRow, 2);
    EXPECT_EQ(letterAt(v, 1, 2), ' ');
}

TEST(Separators, DialogPreselectsTheReverseAndOkAppliesIt) {
    document::KPoint square;
    SeparatorTrans trans = SeparatorPreset(square);
    EXPECT_TRUE(trans.deleteRight);
    EXPECT_TRUE(trans.deleteBottom);
    ApplySeparators(square, trans);
    EXPECT_EQ(square.lineRight, 0);
    EXPECT_EQ(square.lineBottom, 0);
    trans = SeparatorPreset(square);
    EXPECT_FALSE(trans.deleteRight);
    ApplySeparators(square, trans);
    EXPECT_EQ(square.lineRight, 1);
    EXPECT_EQ(square.lineBottom, 1);
}

TEST(Mouse, SquareUnderAPointCountsFromTheMargin) {
    const CrosswordView v = makeView();
    EXPECT_FALSE(SquareAt(v, 9, 20));
    ASSERT_TRUE(SquareAt(v, 10, 10));
    EXPECT_EQ(SquareAt(v, 10, 10)->column, 1);
    EXPECT_EQ(SquareAt(v, 49, 50)->row, 2);
    EXPECT_EQ(SquareAt(v, 529, 409)->column, 13);
    EXPECT_FALSE(SquareAt(v, 530, 20));
    EXPECT_FALSE(SquareAt(v, 20, 410));
}

TEST(Turning, TransposesAndTwiceRestoresEverySquare) {
    CrosswordView v = makeView();
    v.doc.grid.At(13, 2).MakeClue("far right");
    v.doc.grid.At(3, 10).MakeLetter('Z');
    v.doc.grid.At(3, 10).lineBottom = 0;
    v.cursorColumn = 13;
    TurnGrid(v);
    EXPECT_EQ(v.doc.dimensions.width, 10);
    EXPECT_EQ(v.doc.dimensions.height, 13);
    EXPECT_EQ(v.doc.grid.width(), 10);
    EXPECT_EQ(v.doc.grid.At(2, 13).Text(), "far right");
    EXPECT_EQ(v.doc.grid.At(10, 3).Letter(), 'Z');
    EXPECT_EQ(v.doc.grid.At(10, 3).lineBottom, 0);
    EXPECT_EQ(v.cursorColumn, 10);  // kept inside the narrower grid
    EXPECT_TRUE(v.doc.modified);

    TurnGrid(v);
    EXPECT_EQ(v.doc.dimensions.width, 13);
    EXPECT_EQ(v.doc.grid.At(13, 2).Text(), "far right");
    EXPECT_EQ(v.doc.grid.At(3, 10).Letter(), 'Z');
    EXPECT_EQ(v.doc.grid.At(3, 10).lineBottom, 0);
}

TEST(Resizing, SmallerGridPullsTheCursorInside) {
    CrosswordView v = makeView();
    v.cursorColumn = 13;
    v.cursorRow = 10;
    ResizeGrid(v, 5, 4);
    EXPECT_EQ(v.cursorColumn, 5);
    EXPECT_EQ(v.cursorRow, 4);
    typeText(v, "K");
    EXPECT_EQ(letterAt(v, 5, 4), 'K');
}

TEST(ZoomPrompt, ShowsHundredthsOfAPercent) {
    EXPECT_EQ(ZoomText(1.09), "109.0");
    EXPECT_EQ(ZoomText(1.095), "109.50");
    EXPECT_EQ(ZoomText(1.0), "100.0");
    EXPECT_EQ(ZoomText(0.5), "50.0");
}

class SizeDialog : public ::testing::Test {
protected:
    platform::MessageRecorder recorder;
    platform::ScopedMessageService useRecorder{recorder};
    testing::ScriptedDialogs script;
    int oks = 0;

    std::optional<GridSize> ask() { return AskSize(script, 13, 10, [this] { ++oks; }); }
};

TEST_F(SizeDialog, StartsWithThePresentSize) {
    ask();
    ASSERT_EQ(script.sizeShown.size(), 1u);
    EXPECT_STREQ(script.sizeShown[0].height, "10");
    EXPECT_STREQ(script.sizeShown[0].width, "13");
}

TEST_F(SizeDialog, RefusedWidthThenHeightAskAgainWithTheTypedTexts) {
    script.sizeAnswers = {std::pair{"10", "0"}, std::pair{"101", "12"}, std::pair{"8", "12"}};
    const auto size = ask();
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 12);
    EXPECT_EQ(size->height, 8);
    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_EQ(recorder.shown[0].text, "The value Width has to be in between 1 and 100");
    EXPECT_EQ(recorder.shown[0].caption, "Wrong input");
    EXPECT_EQ(recorder.shown[0].icon, platform::Icon::Stop);
    EXPECT_EQ(recorder.shown[1].text, "The value Height has to be in between 1 and 100");
    ASSERT_EQ(script.sizeShown.size(), 3u);
    EXPECT_STREQ(script.sizeShown[1].width, "0");
    EXPECT_EQ(oks, 3);
}

TEST_F(SizeDialog, CancelAfterARefusalGivesNothingButTheOkWasSeen) {
    script.sizeAnswers = {std::pair{"10", "abc"}, std::nullopt};
    EXPECT_FALSE(ask());
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(recorder.shown.size(), 1u);
}

TEST(ScrollRange, FollowsTheDefaultShape) {
    EXPECT_EQ(InitialScrollRange(13, 10).column, 15);
    EXPECT_EQ(InitialScrollRange(13, 10).row, 16);
    EXPECT_EQ(InitialScrollRange(40, 10).column, (40 * 15 / 10) * 11 / 20);
}

}  // namespace
}  // namespace shell
