#include "drawing/render/cluelayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/render/recordingsurface.h"
#include "settingsguard.h"

namespace render {
namespace {

using Line = RecordingSurface::Line;
using Kind = RecordingSurface::Kind;

constexpr Rgb kBlue{0, 0, 255};
constexpr int kX = 200;
constexpr int kY0 = 100;

class ClueLayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        drawSettings().lineThickness = 2;
        drawSettings().arrowThickness = 3;
        currentClueFont = FontDescription{};
    }
    // Every entry 38 percent high and not raised: lines of 19 pixels at a = 50.
    static KPoint Flat(const std::string& text) {
        KPoint square(text, 38, 0, 100, 0);
        return square;
    }
    SettingsGuard guard_;
    RecordingSurface surface_;
};

// Every element's strokes at a = 52, where a/3 and 2·(a/6), (5·a)/6 and 5·(a/6) differ, with
// line 1 raised by 0.2 (R = 10) and entry 0 one percent high (font width 0, taken as 1).
struct ElementCase {
    const char* name;
    std::string text;
    std::vector<Line> lines;
};

Line B(int x1, int y1, int x2, int y2) { return {x1, y1, x2, y2, kBlack, 2}; }
Line U(int x1, int y1, int x2, int y2) { return {x1, y1, x2, y2, kBlue, 3}; }

class MarkupElements : public ClueLayoutTest, public ::testing::WithParamInterface<ElementCase> {};

TEST_P(MarkupElements, DrawsTheTabledStrokes) {
    KPoint square("", 45, 0, 100, 0);
    square.lineRaise[0] = 0.2;
    square.lineHeight[0] = 1;
    square.MakeClue(GetParam().text);
    LayOutClue(square, surface_, 52, kX, kY0);
    EXPECT_EQ(surface_.lines(), GetParam().lines);
    EXPECT_TRUE(surface_.texts().empty());
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(
    AllElements, MarkupElements,
    ::testing::Values(
        ElementCase{"rule", "_", {B(200, 110, 246, 110)}},
        ElementCase{"long_rule", "__", {B(200, 110, 298, 110)}},
        ElementCase{"down_right",
                    "^",
                    {B(208, 110, 208, 127), B(208, 127, 226, 127), B(226, 127, 217, 124),
                     B(226, 127, 217, 130)}},
        ElementCase{"up_right",
                    "~",
                    {B(208, 110, 208, 93), B(208, 93, 226, 93), B(226, 93, 217, 90),
                     B(226, 93, 217, 96)}},
        ElementCase{"right_into_next_then_down",
                    ">",
                    {B(240, 76, 264, 76), B(264, 76, 264, 93), B(264, 93, 261, 84),
                     B(264, 93, 267, 84)}},
        ElementCase{"left_into_previous_then_down",
                    "\xBD",
                    {B(208, 76, 184, 76), B(184, 76, 184, 93), B(184, 93, 181, 84),
                     B(184, 93, 187, 84)}},
        ElementCase{"short_left_then_down",
                    "<",
                    {B(208, 76, 183, 76), B(183, 76, 183, 93), B(183, 93, 180, 84),
                     B(183, 93, 186, 84)}},
        ElementCase{"divider", "@", {B(210, 102, 210, 146)}},
        ElementCase{"down_at_raise",
                    "[",
                    {U(210, 105, 210, 141), U(210, 141, 207, 131), U(210, 141, 213, 131)}},
        ElementCase{"right",
                    "]",
                    {U(205, 110, 241, 110), U(241, 110, 231, 113), U(241, 110, 231, 107)}},
        ElementCase{"down_from_top_then_right",
                    "{",
                    {U(213, 105, 213, 110), U(213, 110, 241, 110), U(241, 110, 231, 113),
                     U(241, 110, 231, 107)}},
        ElementCase{"right_then_down_short_width",
                    "}",
                    {U(205, 113, 210, 113), U(210, 113, 210, 146), U(210, 146, 207, 132),
                     U(210, 146, 213, 132)}},
        ElementCase{"left_from_edge_then_down",
                    "\xA4",
                    {U(246, 113, 210, 113), U(210, 113, 210, 141), U(210, 141, 207, 131),
                     U(210, 141, 213, 131)}},
        ElementCase{"across_right_edge",
                    "#",
                    {B(240, 110, 264, 110), B(264, 110, 256, 113), B(264, 110, 256, 107)}},
        ElementCase{"short_down",
                    "!",
                    {B(234, 123, 234, 143), B(234, 143, 237, 135), B(234, 143, 231, 135)}},
        // Steps accumulate: the rule of line 2 (not raised) lies where '!' moved Y to.
        ElementCase{"second_element_after_step",
                    "!_",
                    {B(234, 123, 234, 143), B(234, 143, 237, 135), B(234, 143, 231, 135),
                     B(200, 123, 246, 123)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClueLayoutTest, RightThenDownUsesTheFontWidthForItsHeight) {
    // Entry 0 at 45 percent: w = 8, so the stroke starts (52·8)/4 = 104 below the top.
    KPoint square("}", 45, 0, 100, 0);
    square.lineRaise[0] = 0.2;
    LayOutClue(square, surface_, 52, kX, kY0);
    const std::vector<Line> expected{U(205, 204, 210, 204), U(210, 204, 210, 146),
                                     U(210, 146, 207, 204), U(210, 146, 213, 204)};
    EXPECT_EQ(surface_.lines(), expected);
}

TEST_F(ClueLayoutTest, LinesStackByTheirHeights) {
    LayOutClue(Flat("ABC|DEF"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 2u);
    EXPECT_EQ(surface_.texts()[0].text, "ABC");
    EXPECT_EQ(surface_.texts()[0].y, kY0);
    EXPECT_EQ(surface_.texts()[1].text, "DEF");
    EXPECT_EQ(surface_.texts()[1].y, kY0 + 19);
    EXPECT_EQ(surface_.texts()[1].x, kX);
    EXPECT_EQ(surface_.texts()[0].font.height, 19);
    EXPECT_EQ(surface_.texts()[0].font.width, 7);
}

TEST_F(ClueLayoutTest, MarkupCountsOnlyAtTheStartOfALine) {
    LayOutClue(Flat("ABC>"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].text, "ABC>");
    EXPECT_TRUE(surface_.lines().empty());

    surface_.clear();
    LayOutClue(Flat("ABC|>"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].text, "ABC");
    EXPECT_EQ(surface_.lines().size(), 4u);
}

TEST_F(ClueLayoutTest, RuleSwallowsOneBreakAndLiesOnTheNextLine) {
    // An empty first line, the rule as line 2, X as line 3 directly under it.
    KPoint square = Flat("|_|X");
    square.lineHeight[3] = 60;  // X takes line 3's height: 30 pixels
    LayOutClue(square, surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].text, "X");
    EXPECT_EQ(surface_.texts()[0].y, kY0 + 19);
    EXPECT_EQ(surface_.texts()[0].font.height, 30);
    ASSERT_EQ(surface_.lines().size(), 1u);
    EXPECT_EQ(surface_.lines()[0].y1, kY0 + 19);

    // Other elements keep the break: '>' then an empty line, then X on line 3 as well.
    surface_.clear();
    LayOutClue(Flat(">|X"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].y, kY0 - 33 + 19);
}

TEST_F(ClueLayoutTest, TrailingBreakDrawsNoFurtherLine) {
    LayOutClue(Flat("AB|"), surface_, 50, kX, kY0);
    EXPECT_EQ(surface_.texts().size(), 1u);
    surface_.clear();
    LayOutClue(Flat("AB|CD"), surface_, 50, kX, kY0);
    EXPECT_EQ(surface_.texts().size(), 2u);
}

TEST_F(ClueLayoutTest, CentredLinesAndVerticalTextAfterPound) {
    drawSettings().centreText = 1;
    LayOutClue(Flat("AB|\xA3" "CD|EF"), surface_, 50, kX, kY0);
    const auto& texts = surface_.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_TRUE(texts[0].centred);
    EXPECT_EQ(texts[0].rect, (Rect{kX - 2, kY0, kX + 50, kY0 + 50}));  // left: X − a/19
    EXPECT_EQ(texts[0].font.escapement, 0);

    EXPECT_FALSE(texts[1].centred);
    EXPECT_EQ(texts[1].text, "CD");
    EXPECT_EQ(texts[1].x, kX + 45);
    EXPECT_EQ(texts[1].y, kY0 + 19);
    EXPECT_EQ(texts[1].font.escapement, 2700);
    EXPECT_EQ(texts[1].font.orientation, 2700);

    EXPECT_TRUE(texts[2].centred);
    EXPECT_EQ(texts[2].rect.top, kY0 + 38);
    EXPECT_EQ(texts[2].font.escapement, 2700);
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

TEST_F(ClueLayoutTest, IndentAfterPoundAppliesWithoutCentring) {
    LayOutClue(Flat("\xA3" "CD|EF"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 2u);
    EXPECT_EQ(surface_.texts()[0].x, kX + 45);
    EXPECT_EQ(surface_.texts()[1].x, kX);
}

TEST_F(ClueLayoutTest, NothingWhenTooSmallOrNotVisible) {
    LayOutClue(Flat("AB|^"), surface_, 0, kX, kY0);
    EXPECT_TRUE(surface_.ops().empty());

    surface_.visibleArea = Rect{0, 0, 100, 100};
    LayOutClue(Flat("AB|^"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.ops().size(), 1u);
    EXPECT_EQ(surface_.ops()[0].kind, Kind::RectVisible);
}

TEST_F(ClueLayoutTest, OneFontServesLinesOfEqualLayout) {
    KPoint square;  // default layout: every entry alike apart from the raises
    square.MakeClue("ONE|TWO|^|THREE|FOUR");
    LayOutClue(square, surface_, 50, kX, kY0);
    EXPECT_EQ(surface_.opsOf(Kind::CreateFont).size(), 1u);
    EXPECT_EQ(surface_.texts().size(), 4u);
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

TEST_F(ClueLayoutTest, ChangedLineSizeMakesANewFontAndRestoresTheCallers) {
    KPoint square = Flat("A|B|C");
    square.lineHeight[2] = 60;  // line 2 is 30 pixels high, lines 1 and 3 are 19
    const FontHandle callers = surface_.CreateFont(FontDescription{});
    surface_.SelectFont(callers);
    LayOutClue(square, surface_, 50, kX, kY0);

    const auto& texts = surface_.texts();
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].font.height, 19);
    EXPECT_EQ(texts[1].font.height, 30);
    EXPECT_EQ(texts[2].font.height, 19);
    EXPECT_EQ(surface_.opsOf(Kind::CreateFont).size(), 4u);  // the caller's and three
    EXPECT_EQ(surface_.opsOf(Kind::SelectFont).back().handle, callers);
    surface_.SelectFont(0);
    surface_.DeleteFont(callers);
    EXPECT_EQ(surface_.problems(), std::vector<std::string>{});
}

TEST_F(ClueLayoutTest, FontFollowsClueFontHeightAndSqueeze) {
    currentClueFont.height = -10;  // character height half the line height
    drawSettings().fontSqueeze = 50;
    drawSettings().letterWeight = 700;
    currentClueFont.weight = 100;
    LayOutClue(Flat("A"), surface_, 50, kX, kY0);
    ASSERT_EQ(surface_.texts().size(), 1u);
    EXPECT_EQ(surface_.texts()[0].font.height, -9);  // trunc(19 · −10 · 0.05)
    EXPECT_EQ(surface_.texts()[0].font.width, 3);    // trunc(7 · 0.5)
    EXPECT_EQ(surface_.texts()[0].font.weight, 700);
}

TEST_F(ClueLayoutTest, LinesBeyondTheTenEntriesUseTheLast) {
    KPoint square = Flat("1|2|3|4|5|6|7|8|9|10|11|12");
    square.lineHeight[9] = 60;
    LayOutClue(square, surface_, 50, kX, kY0);
    const auto& texts = surface_.texts();
    ASSERT_EQ(texts.size(), 12u);
    // Lines 1 to 8 are 19 high; lines 9 to 12 take entry 9's 30 pixels.
    EXPECT_EQ(texts[9].y, kY0 + 8 * 19 + 30);
    EXPECT_EQ(texts[11].y, kY0 + 8 * 19 + 3 * 30);
    EXPECT_EQ(texts[11].font.height, 30);
}

struct LineAtCase {
    const char* name;
    std::string text;
    int y;
    LineHit hit;
};

class LineAtTest : public ::testing::TestWithParam<LineAtCase> {};

TEST_P(LineAtTest, FindsTheLineUnderY) {
    // a = 50, heights 38 (19 pixels), no raises except line 3 at 0.2 (R = 10).
    KPoint square(GetParam().text, 38, 0, 100, 0);
    square.lineRaise[2] = 0.2;
    EXPECT_EQ(LineAt(square, 50, GetParam().y), GetParam().hit);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineAtTest,
    ::testing::Values(LineAtCase{"first_line", "AB|CD|EF", 5, {1, 19, 21}},
                      LineAtCase{"second_line", "AB|CD|EF", 21, {2, 19, 40}},
                      LineAtCase{"last_line_at_end", "AB|CD|EF", 45, {3, 19, 69}},
                      LineAtCase{"below_everything", "AB", 500, {1, 19, 21}},
                      // '!' on line 3: R + a/4 = 22; it reports its own line and R.
                      LineAtCase{"short_arrow", "A|B|!X", 50, {3, 10, 62}},
                      // '>' reports its step R − (2·a)/3.
                      LineAtCase{"arrow_up_step", ">", -40, {1, -33, -31}},
                      // '@' adds nothing and answers once the running value passed y.
                      LineAtCase{"divider_adds_nothing", "@X", 1, {1, 0, 2}},
                      // The rule swallows '|': X is line 2, directly after the rule.
                      LineAtCase{"rule_swallows_break", "_|X", 1, {1, 0, 2}},
                      LineAtCase{"after_rule", "_|X", 10, {2, 19, 21}},
                      // Markup after text is text: one line.
                      LineAtCase{"markup_inside_text", "A>B", 10, {1, 19, 21}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace render
