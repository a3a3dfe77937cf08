// The page flow in the build language: this file is built once per language.
#include <gtest/gtest.h>

#include "platform/messages.h"
#include "setup/wizard/core/directorychoice.h"
#include "setup/wizard/core/languages.h"
#include "setup/wizard/core/wizard.h"
#include "setup/wizard/tests/fakesystem.h"

namespace wizard {
namespace {

using testing::FakeCopying;
using testing::FakeSystem;

const bool germanBuild = knownLanguage(UiLanguage) == German;

class FlowTest : public ::testing::Test {
protected:
    FakeSystem system;
    Wizard wizard{system};
    platform::MessageRecorder recorder;
    platform::ScopedMessageService scoped{recorder};

    // Welcome -> the second page of the build language -> setup type.
    void toSetupType() {
        wizard.start();
        wizard.next();
        if (!germanBuild) {
            wizard.next();  // destination -> program group
            wizard.back();  // the detour back to the setup type
        }
        ASSERT_EQ(wizard.current(), Page::SetupType);
    }
    void expectPrograms(bool solver, bool compact, bool generator, bool drawing) {
        const SetupChoices& c = wizard.choices();
        EXPECT_EQ(c.installSolver, solver);
        EXPECT_EQ(c.solverCompact, compact);
        EXPECT_EQ(c.installGenerator, generator);
        EXPECT_EQ(c.installDrawingProgram, drawing);
    }
};

TEST_F(FlowTest, StartValuesAndDefaultDestination) {
    const SetupChoices& c = wizard.choices();
    expectPrograms(true, false, true, true);
    EXPECT_EQ(c.generatorLanguage, UiLanguage);
    EXPECT_EQ(c.drawingProgramLanguage, UiLanguage);
    EXPECT_EQ(c.solverMainLanguage, 0);
    EXPECT_EQ(c.destinationBase, "C:\\Program Files\\");
    EXPECT_EQ(c.productFolder, uiTexts().defaultProductFolder);
    EXPECT_EQ(c.destinationDrive, 'C');
    EXPECT_EQ(wizard.programFolderField(), uiTexts().defaultProgramGroup);
}

TEST_F(FlowTest, WelcomeLeadsToTheBuildLanguagesSecondPage) {
    wizard.start();
    wizard.next();
    EXPECT_EQ(wizard.current(), germanBuild ? Page::SetupType : Page::Destination);
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::Welcome);
    EXPECT_EQ(wizard.stack().size(), 1u);
}

TEST_F(FlowTest, DestinationPathInstallsTheDrawingProgramAlone) {
    if (germanBuild) GTEST_SKIP() << "German builds have no destination page in the path";
    wizard.start();
    wizard.next();
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::ProgramGroup);
    expectPrograms(false, false, false, true);
    const SetupChoices& c = wizard.choices();
    for (LanguageCode code : {c.drawingProgramLanguage, c.generatorLanguage, c.solverHelpLanguage,
                              c.solverMainLanguage, c.solverDictionaryLanguage}) {
        EXPECT_EQ(code, UiLanguage);
    }
    EXPECT_DOUBLE_EQ(wizard.neededSpaceMb(), 163);

    wizard.next();
    EXPECT_EQ(wizard.current(), Page::Summary);
    const WizardTexts& t = uiTexts();
    // The type line shows the never-visited setup-type page's first item.
    Lines expected{t.summary.typeLabel,
                   "   " + t.setupType.typeNames[0],
                   "",
                   t.summary.directoryLabel,
                   "   C:\\Program Files\\" + t.defaultProductFolder,
                   "",
                   t.summary.folderLabel,
                   "   " + t.defaultProgramGroup};
    EXPECT_EQ(wizard.summaryLines(), expected);
}

TEST_F(FlowTest, DetourFromProgramGroupThroughSetupType) {
    if (germanBuild) GTEST_SKIP() << "German builds reach the program group via the setup type";
    wizard.start();
    wizard.next();
    wizard.next();
    wizard.setProgramFolderField("Mine");
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::SetupType);
    EXPECT_EQ(wizard.choices().programFolder, "Mine");  // Back stores the field too
    EXPECT_EQ(wizard.setupType(), SetupType::Typical);
    expectPrograms(true, false, true, true);
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::ProgramGroup);
    expectPrograms(true, false, true, true);
    wizard.back();
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::Destination);
    EXPECT_EQ(wizard.stack(), (std::vector<Page>{Page::Welcome, Page::Destination}));
}

TEST_F(FlowTest, SetupTypesWriteTheProgramFlags) {
    toSetupType();
    wizard.selectSetupType(SetupType::Compact);
    expectPrograms(true, true, true, true);
    EXPECT_DOUBLE_EQ(wizard.neededSpaceMb(), 186);
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::ProgramGroup);
    EXPECT_EQ(wizard.choices().solverMainLanguage, UiLanguage);
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::SetupType);
    // Custom reads the custom page's boxes even though that page was never shown.
    wizard.setProgramTicked(Program::Generator, false);
    wizard.selectSetupType(SetupType::Custom);
    expectPrograms(true, false, false, true);
    wizard.selectSetupType(SetupType::Typical);
    expectPrograms(true, false, true, true);
}

TEST_F(FlowTest, SpaceCheckOnSetupTypeNext) {
    toSetupType();
    std::size_t before = recorder.shown.size();
    system.freeMb = 270;  // Typical needs 271
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::SetupType);
    ASSERT_EQ(recorder.shown.size(), before + 1);
    EXPECT_EQ(recorder.shown.back().caption, uiTexts().notEnoughSpace.caption);
    EXPECT_EQ(recorder.shown.back().text, uiTexts().notEnoughSpace.text);
    system.freeMb = 271;
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::ProgramGroup);

    // Custom defers the check to the custom page.
    wizard.back();
    system.freeMb = 0;
    wizard.selectSetupType(SetupType::Custom);
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::Custom);
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::Custom);
    EXPECT_EQ(recorder.shown.back().text, uiTexts().notEnoughSpace.text);
}

TEST_F(FlowTest, CustomPageChoices) {
    toSetupType();
    wizard.selectSetupType(SetupType::Custom);
    wizard.next();
    ASSERT_EQ(wizard.current(), Page::Custom);
    ASSERT_TRUE(wizard.languageBoxesFilled());
    EXPECT_EQ(wizard.languageIndex(LanguageBox::SolverDictionary), 0);

    for (Program p : {Program::Solver, Program::Generator, Program::DrawingProgram}) {
        wizard.setProgramTicked(p, false);
    }
    EXPECT_EQ(wizard.neededText(), "0 Kb");
    std::size_t before = recorder.shown.size();
    wizard.next();  // nothing needed, so the space check passes and the no-program message shows
    EXPECT_EQ(wizard.current(), Page::Custom);
    ASSERT_EQ(recorder.shown.size(), before + 1);
    EXPECT_EQ(recorder.shown.back().caption, uiTexts().noProgram.caption);
    EXPECT_EQ(recorder.shown.back().text, uiTexts().noProgram.text);

    wizard.setCompactTicked(true);
    expectPrograms(false, false, false, false);  // compact counts only with the solver
    wizard.setProgramTicked(Program::Solver, true);
    expectPrograms(true, true, false, false);
    EXPECT_EQ(wizard.neededText(), "6 Mb");
    system.freeMb = 6;
    wizard.next();
    EXPECT_EQ(wizard.current(), Page::ProgramGroup);

    // Back to the custom page and on to the setup type: the ticks stay, Typical overwrites the
    // flags when the setup type is active again.
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::Custom);
    EXPECT_TRUE(wizard.compactTicked());
    wizard.back();
    EXPECT_EQ(wizard.current(), Page::SetupType);
    expectPrograms(true, true, false, false);
    wizard.selectSetupType(SetupType::Typical);
    expectPrograms(true, false, true, true);
}

TEST_F(FlowTest, GeneratorAndDrawingLanguagesMoveTogether) {
    toSetupType();
    wizard.selectSetupType(SetupType::Custom);
    wizard.next();
    wizard.selectLanguage(LanguageBox::GeneratorHelp, 2);
    wizard.selectLanguage(LanguageBox::SolverHelp, 3);
    wizard.selectLanguage(LanguageBox::SolverMain, 1);
    for (LanguageBox box : {LanguageBox::GeneratorMain, LanguageBox::GeneratorHelp,
                            LanguageBox::DrawingMain, LanguageBox::DrawingHelp}) {
        EXPECT_EQ(wizard.languageIndex(box), 2);
    }
    EXPECT_EQ(wizard.languageIndex(LanguageBox::SolverDictionary), 0);
    // Nothing reaches the choices before Next.
    EXPECT_EQ(wizard.choices().generatorLanguage, UiLanguage);
    wizard.next();
    ASSERT_EQ(wizard.current(), Page::ProgramGroup);
    const SetupChoices& c = wizard.choices();
    const auto& entries = languageEntries(UiLanguage);
    EXPECT_EQ(c.generatorLanguage, entries[2].code);
    EXPECT_EQ(c.drawingProgramLanguage, entries[2].code);
    EXPECT_EQ(c.solverHelpLanguage, entries[3].code);
    EXPECT_EQ(c.solverMainLanguage, entries[1].code);
    EXPECT_EQ(c.solverDictionaryLanguage, UiLanguage);
    // The boxes are filled once: a second visit keeps the selections.
    wizard.back();
    EXPECT_EQ(wizard.languageIndex(LanguageBox::DrawingMain), 2);
}

TEST_F(FlowTest, ProgramGroupListAndField) {
    toSetupType();
    wizard.next();
    ASSERT_EQ(wizard.current(), Page::ProgramGroup);
    EXPECT_EQ(wizard.choices().startMenuPrograms, "C:\\Windows\\Start Menu\\Programs\\");
    EXPECT_EQ(system.listedFolder, "C:\\Windows\\Start Menu\\Programs\\");
    EXPECT_EQ(wizard.existingGroups(), (std::vector<std::string>{"Accessories", "Games"}));
    wizard.chooseExistingGroup(-1);
    EXPECT_EQ(wizard.programFolderField(), uiTexts().defaultProgramGroup);
    wizard.chooseExistingGroup(1);
    EXPECT_EQ(wizard.programFolderField(), "Games");
    wizard.next();
    EXPECT_EQ(wizard.choices().programFolder, "Games");
    EXPECT_EQ(wizard.summaryLines()[7], "   Games");
}

TEST_F(FlowTest, SummaryHandsOverToTheCopyingStep) {
    toSetupType();
    wizard.next();
    wizard.next();
    ASSERT_EQ(wizard.current(), Page::Summary);
    EXPECT_FALSE(wizard.canStartCopying());
    wizard.next();  // no copying step: nothing pretends to install
    EXPECT_EQ(wizard.current(), Page::Summary);

    FakeCopying copying;
    wizard.setCopyingStep(&copying);
    wizard.next();
    EXPECT_EQ(copying.runs, 1);
    EXPECT_TRUE(copying.seen.installGenerator);
    EXPECT_EQ(wizard.current(), Page::Complete);
    EXPECT_FALSE(Wizard::hasCancel(Page::Complete));
    wizard.back();  // the completion page has no Back
    EXPECT_EQ(wizard.current(), Page::Complete);
    wizard.finish();
    EXPECT_TRUE(wizard.ended());
    EXPECT_TRUE(wizard.finished());
}

TEST_F(FlowTest, StoppedInstallationAndExitEndWithoutFinish) {
    toSetupType();
    wizard.next();
    wizard.next();
    FakeCopying copying;
    copying.succeed = false;
    wizard.setCopyingStep(&copying);
    wizard.next();
    EXPECT_TRUE(wizard.ended());
    EXPECT_FALSE(wizard.finished());

    Wizard other{system};
    other.start();
    other.exitSetup();
    other.next();
    EXPECT_TRUE(other.ended());
    EXPECT_FALSE(other.finished());
    EXPECT_EQ(other.current(), Page::Welcome);
}

TEST_F(FlowTest, DirectoryChooserCancelRestoresDriveFolderAndName) {
    DirectoryChoice chooser(wizard);
    chooser.changed("D:\\Ignored", "Before ready");  // the dialog is still being made
    EXPECT_EQ(wizard.choices().destinationBase, "C:\\Program Files\\");
    chooser.setReady();
    chooser.activate();
    const SetupChoices before = wizard.choices();

    chooser.changed("d:\\Games", "\\Puzzles\\");
    EXPECT_EQ(wizard.choices().destinationDrive, 'd');
    EXPECT_EQ(wizard.choices().destinationBase, "d:\\Games\\");
    EXPECT_EQ(wizard.choices().productFolder, "Puzzles");
    EXPECT_EQ(chooser.fullPathText(), "d:\\Games\\Puzzles");
    EXPECT_EQ(chooser.freeSpaceText(), uiTexts().enough);

    // Cancel: the name goes back first, then the folder; each runs the change handler.
    chooser.changed("d:\\Games", chooser.rememberedFolderName());
    chooser.changed(chooser.rememberedFolder(), chooser.rememberedFolderName());
    EXPECT_EQ(wizard.choices().destinationDrive, before.destinationDrive);
    EXPECT_EQ(wizard.choices().destinationBase, before.destinationBase);
    EXPECT_EQ(wizard.choices().productFolder, before.productFolder);
}

}  // namespace
}  // namespace wizard
