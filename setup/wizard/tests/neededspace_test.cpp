#include "setup/wizard/core/neededspace.h"

#include <gtest/gtest.h>

namespace wizard {
namespace {

SetupChoices programs(bool solver, bool compact, bool generator, bool drawing) {
    SetupChoices c;
    c.installSolver = solver;
    c.solverCompact = compact;
    c.installGenerator = generator;
    c.installDrawingProgram = drawing;
    return c;
}

const Probes allPresent{};
const Probes noHtm{false, true, true, false};

TEST(NeededSpace, ChoicesWithAndWithoutPrerequisites) {
    struct Row {
        const char* name;
        SetupChoices choices;
        double present;
        double missing;
    } rows[] = {
        {"typical", programs(true, false, true, true), 271, 431},
        {"compact", programs(true, true, true, true), 186, 346},
        {"drawing program alone", programs(false, false, false, true), 163, 323},
        {"compact solver alone", programs(true, true, false, false), 6, 166},
        {"compact flag without solver", programs(false, true, false, true), 163, 323},
        {"nothing", programs(false, false, false, false), 0, 0},
    };
    for (const Row& r : rows) {
        EXPECT_DOUBLE_EQ(neededSpaceMb(r.choices, allPresent), r.present) << r.name;
        EXPECT_DOUBLE_EQ(neededSpaceMb(r.choices, noHtm), r.missing) << r.name;
    }
}

TEST(NeededSpace, BrowserInstallerReservedForEveryProbeCombination) {
    for (int bits = 0; bits < 16; ++bits) {
        Probes p{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0};
        bool expected = !p.htmHandler || (p.windows95 && (!p.chmHandler || !p.dcomEnabled));
        EXPECT_EQ(browserInstallerNeeded(p), expected) << "probe bits " << bits;
        EXPECT_DOUBLE_EQ(neededSpaceMb(programs(false, false, false, true), p),
                         expected ? 323 : 163)
            << "probe bits " << bits;
    }
}

TEST(NeededSpace, ShownInMegabytesFromTwoAndKilobytesBelow) {
    EXPECT_EQ(formatNeededSpace(271), "271 Mb");
    EXPECT_EQ(formatNeededSpace(6), "6 Mb");
    EXPECT_EQ(formatNeededSpace(2), "2 Mb");
    EXPECT_EQ(formatNeededSpace(2.5), "2 Mb");  // half to even
    EXPECT_EQ(formatNeededSpace(3.5), "4 Mb");
    EXPECT_EQ(formatNeededSpace(1.5), "1536 Kb");
    EXPECT_EQ(formatNeededSpace(0), "0 Kb");
}

TEST(FreeSpace, BytesRoundHalfToEvenAndFailureGivesZero) {
    EXPECT_EQ(megabytesOf(-1), 0);
    EXPECT_EQ(megabytesOf(0), 0);
    EXPECT_EQ(megabytesOf(2.5 * 1048576), 2);
    EXPECT_EQ(megabytesOf(3.5 * 1048576), 4);
    EXPECT_EQ(megabytesOf(3.4 * 1048576), 3);
    EXPECT_EQ(megabytesOf(5000.0 * 1048576), 5000);
}

TEST(FreeSpace, ExactFitPassesAndOneMegabyteLessFails) {
    EXPECT_TRUE(enoughSpace(271, 271));
    EXPECT_FALSE(enoughSpace(270, 271));
    EXPECT_TRUE(enoughSpace(0, 0));
    EXPECT_FALSE(enoughSpace(0, 6));  // failed query with any choice
}

}  // namespace
}  // namespace wizard
