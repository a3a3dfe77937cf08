#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drawing/document/letters.h"
#include "drawing/document/samling.h"

namespace document {
namespace {

TEST(KPoint, DefaultIsAnEmptyLetterSquareWithDefaultLayout) {
    const KPoint k;
    EXPECT_EQ(k.Letter(), 0);
    EXPECT_EQ(k.isClue, 0);
    EXPECT_EQ(k.lineRight, 1);
    EXPECT_EQ(k.lineBottom, 1);
    for (int i = 0; i < kLayoutEntries; ++i) {
        EXPECT_EQ(k.lineHeight[i], 45.0);
        EXPECT_EQ(k.widthSet[i], 0);
        EXPECT_EQ(k.widthRatio[i], 0.36);
        EXPECT_DOUBLE_EQ(k.lineRaise[i], i == 0 ? 0.0 : -0.1);
    }
}

TEST(RelaFont, ResetLinesSetsOneLineOrAll) {
    RelaFont all;
    all.ResetLines(38, 0, 100, 0);
    for (int i = 0; i < kLayoutEntries; ++i) {
        EXPECT_DOUBLE_EQ(all.lineHeight[i], 38.0);
        EXPECT_EQ(all.widthSet[i], 0);
        EXPECT_EQ(all.widthRatio[i], 0.36);
        EXPECT_EQ(all.lineRaise[i], 0.0);
    }

    RelaFont third;
    third.reserved = 5.0;
    third.ResetLines(50, 20, 100, 3);
    for (int i = 0; i < kLayoutEntries; ++i) {
        EXPECT_DOUBLE_EQ(third.lineHeight[i], i == 2 ? 50.0 : 20.0) << i;
        EXPECT_EQ(third.widthSet[i], i == 2 ? 1 : 0) << i;
        EXPECT_DOUBLE_EQ(third.widthRatio[i], i == 2 ? 0.4 : 0.36) << i;
        EXPECT_EQ(third.lineRaise[i], 0.0);
    }
    EXPECT_EQ(third.reserved, 0.0);
}

TEST(RelaFont, SetLinesKeepsRaisesAndOtherEntries) {
    RelaFont f;
    f.SetLines(30, 15, 100, 2);
    EXPECT_DOUBLE_EQ(f.lineHeight[1], 30.0);
    EXPECT_DOUBLE_EQ(f.widthRatio[1], 0.5);
    EXPECT_DOUBLE_EQ(f.lineRaise[1], -0.1);
    EXPECT_EQ(f.lineHeight[0], 45.0);
    EXPECT_EQ(f.lineHeight[2], 45.0);
}

TEST(KPoint, MakeLetterAndMakeClueKeepLayoutAndSeparators) {
    KPoint clue("Sol|^", 50, 20, 100, 3);
    clue.lineRight = 0;
    const RelaFont layout = clue;
    clue.MakeLetter('A');
    EXPECT_EQ(clue.Letter(), 'A');
    EXPECT_EQ(static_cast<const RelaFont&>(clue), layout);
    EXPECT_EQ(clue.lineRight, 0);

    KPoint letter;
    letter.MakeLetter('B');
    letter.MakeClue("");
    EXPECT_EQ(letter.isClue, 1);
    EXPECT_EQ(letter.Text(), "");
    EXPECT_EQ(letter.Letter(), 0);
}

TEST(KPoint, ClueTextIsCutAt1999Bytes) {
    KPoint k;
    k.MakeClue(std::string(5000, 'x'));
    EXPECT_EQ(k.Text().size(), 1999u);
}

// Builds a grid from rows: '.' clue square, '-' empty letter square, other bytes letters.
Samling gridOf(const std::vector<std::string>& rows) {
    Samling g(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 1; y <= g.height(); ++y)
        for (int x = 1; x <= g.width(); ++x) {
            const char c = rows[y - 1][x - 1];
            if (c == '.')
                g.At(x, y).MakeClue("clue");
            else if (c != '-')
                g.At(x, y).MakeLetter(c);
        }
    return g;
}

struct WordRun {
    int number, column, row;
    std::string letters;
    bool operator==(const WordRun&) const = default;
};
std::ostream& operator<<(std::ostream& os, const WordRun& r) {
    return os << r.number << " " << r.column << "," << r.row << " " << r.letters;
}

std::vector<WordRun> runsOf(const Samling& g, bool across) {
    std::vector<GridWord> words(across ? g.CountAcross() : g.CountDown());
    if (across)
        g.ListAcross(words.data());
    else
        g.ListDown(words.data());
    std::vector<WordRun> runs;
    for (const GridWord& w : words) runs.push_back({w.number, w.column, w.row, w.letters});
    return runs;
}

TEST(Samling, WordRunsBreakAtClueSquaresBlanksHashAndDel) {
    const Samling g = gridOf({"AB#C.DE", "X.Y- \x7fZ"});
    EXPECT_EQ(runsOf(g, true), (std::vector<WordRun>{{0, 1, 1, "AB"},
                                                     {1, 4, 1, "C"},
                                                     {2, 6, 1, "DE"},
                                                     {3, 1, 2, "X"},
                                                     {4, 3, 2, "Y"},
                                                     {5, 7, 2, "Z"}}));
    EXPECT_EQ(runsOf(g, false), (std::vector<WordRun>{{0, 1, 1, "AX"},
                                                      {1, 2, 1, "B"},
                                                      {2, 3, 2, "Y"},
                                                      {3, 4, 1, "C"},
                                                      {4, 6, 1, "D"},
                                                      {5, 7, 1, "EZ"}}));
}

TEST(Samling, RunLongerThanTheRecordKeepsItsFirst39Letters) {
    const Samling g = gridOf({std::string(50, 'Q')});
    const std::vector<WordRun> runs = runsOf(g, true);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].letters, std::string(39, 'Q'));
}

TEST(Samling, ResizeKeepsTheOverlapAndAddsDefaultSquares) {
    Samling g(13, 10);
    g.At(13, 8).MakeLetter('K');
    g.At(1, 10).MakeLetter('Z');
    g.At(13, 8).lineBottom = 0;
    g.Resize(15, 8);
    ASSERT_EQ(g.width(), 15);
    ASSERT_EQ(g.height(), 8);
    EXPECT_EQ(g.At(13, 8).Letter(), 'K');
    EXPECT_EQ(g.At(13, 8).lineBottom, 0);
    for (int x = 14; x <= 15; ++x)
        for (int y = 1; y <= 8; ++y) {
            EXPECT_EQ(g.At(x, y).Letter(), 0);
            EXPECT_EQ(g.At(x, y).lineBottom, 1);
        }
    g.Resize(2, 12);
    EXPECT_EQ(g.At(1, 10).Letter(), 0) << "row 10 was dropped before and comes back empty";
    EXPECT_EQ(g.At(2, 12).isClue, 0);
}

TEST(Letters, UpperStringMapsDanishPositionsAndKeepsOthers) {
    std::string s =
        "\xC6"
        "ble\xF8{#1";
    UpperString(s);
    EXPECT_EQ(s,
              "\xC6"
              "BLE\xD8\xC6#1");
    struct Case {
        unsigned char c;
        unsigned char upper;
    };
    for (const Case& k :
         {Case{'a', 'A'}, Case{'Z', 'Z'}, Case{'|', 216}, Case{157, 216}, Case{']', 197},
          Case{143, 197}, Case{146, 198}, Case{215, 215}, Case{247, 215}, Case{255, 0},
          Case{222, 0}, Case{223, 0}, Case{'#', 0}, Case{' ', 0}, Case{0, 0}, Case{127, 0}}) {
        EXPECT_EQ(static_cast<unsigned char>(UpperLetter(static_cast<char>(k.c))), k.upper)
            << int(k.c);
        EXPECT_EQ(IsLetter(static_cast<char>(k.c)), k.upper != 0) << int(k.c);
    }
}

}  // namespace
}  // namespace document
