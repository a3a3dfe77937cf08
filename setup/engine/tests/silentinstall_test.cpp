#include "setup/engine/silentinstall.h"

#include <gtest/gtest.h>

#include "setup/engine/enginecopyingstep.h"
#include "setup/engine/tests/installfixture.h"

namespace engine {
namespace {
using namespace engine::testing;

TEST(SilentOptions, ParsesTheOptionsAndRefusesWhatItCannotUse) {
    std::string error;
    auto o = parseSilentOptions({"--silent", "--type", "custom", "--programs", "solver,drawing",
                                 "--dest", "/opt", "--folder", "X", "--group", "G"},
                                &error);
    ASSERT_TRUE(o) << error;
    EXPECT_EQ(o->type, wizard::SetupType::Custom);
    EXPECT_EQ(*o->programs, (std::vector<wizard::Program>{wizard::Program::Solver,
                                                          wizard::Program::DrawingProgram}));
    EXPECT_EQ(o->destination, "/opt");
    EXPECT_EQ(o->folder, "X");
    EXPECT_EQ(o->group, "G");

    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"--type", "huge"},
                                               {"--type"},
                                               {"--type", "custom", "--programs", "editor"},
                                               {"--programs", "solver"},
                                               {"--colour", "red"}}) {
        error.clear();
        EXPECT_FALSE(parseSilentOptions(bad, &error)) << bad[0];
        EXPECT_FALSE(error.empty());
    }
}

class Silent : public ::testing::Test, public InstallFixture {
protected:
    void SetUp() override { ASSERT_TRUE(assembled) << assembleError; }

    int run(const std::vector<std::string>& args) {
        std::string error;
        auto options = parseSilentOptions(args, &error);
        EXPECT_TRUE(options) << error;
        wizard::Wizard wizard;
        EngineCopyingStep step(view, medium + "setup");
        const int code = runSilent(wizard, *options, step);
        choices = wizard.choices();
        return code;
    }
};

TEST_F(Silent, DefaultPathInstallsTheDrawingProgramAlone) {
    ASSERT_EQ(run({"--dest", dir / "opt", "--folder", "Crossword Fennix"}), 0);
    EXPECT_TRUE(exists(product + "Draw/Vartel.exe"));
    EXPECT_FALSE(exists(product + "Quenzor"));
    EXPECT_FALSE(exists(product + "Brantov"));
    EXPECT_TRUE(exists(group + "Pellomir.desktop")) << "the default group";
}

TEST_F(Silent, CustomTypeInstallsTheProgramsNamedInTheGroupNamed) {
    ASSERT_EQ(run({"--type", "custom", "--programs", "generator", "--dest", dir / "opt", "--folder",
                   "Crossword Fennix", "--group", "Puzzles"}),
              0);
    EXPECT_TRUE(exists(product + "Brantov/Brantov.exe"));
    EXPECT_FALSE(exists(product + "Draw"));
    EXPECT_TRUE(exists(choices.startMenuPrograms + "Puzzles/Brantov.desktop"));
}

TEST_F(Silent, StopsWithAnErrorCodeAndTheMessage) {
    writeFile(product + "Draw/Lexnode.dll", std::string(1000, 'x'));
    EXPECT_EQ(run({"--dest", dir / "opt", "--folder", "Crossword Fennix"}), 1);
    ASSERT_EQ(recorder.shown.size(), 1u);
    EXPECT_EQ(recorder.shown[0].caption, "Warning");

    recorder.shown.clear();
    EXPECT_EQ(run({"--type", "custom", "--programs", "", "--dest", dir / "opt"}), 1);
    ASSERT_EQ(recorder.shown.size(), 1u) << "the no-program message";
    EXPECT_EQ(recorder.shown[0].caption, "Crossword ");
}

}  // namespace
}  // namespace engine
