// The real pages, headless: they show the wizard's state and forward the user's actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/messages.h"
#include "setup/wizard/core/languages.h"
#include "setup/wizard/pages/qtext.h"
#include "setup/wizard/pages/setupwizardwindow.h"
#include "setup/wizard/pages/tfrmchoosedir.h"
#include "setup/wizard/pages/tfrmcustomsetup.h"
#include "setup/wizard/pages/tfrmdestination.h"
#include "setup/wizard/pages/tfrmexit.h"
#include "setup/wizard/pages/tfrmfolder.h"
#include "setup/wizard/pages/tfrmgermandlg.h"
#include "setup/wizard/pages/tfrmsetuptype.h"
#include "setup/wizard/pages/tfrmstartcopying.h"
#include "setup/wizard/tests/fakesystem.h"

namespace wizard::pages {
namespace {

using testing::FakeCopying;
using testing::FakeSystem;

const bool germanBuild = knownLanguage(UiLanguage) == German;

// Made by main(): a QApplication that outlives main() crashes in Qt's exit handlers.
QApplication& application() { return *static_cast<QApplication*>(QApplication::instance()); }

class PagesTest : public ::testing::Test {
protected:
    template <typename T>
    T* page(Page p) {
        return static_cast<T*>(window.page(p));
    }
    void toSetupType() {
        window.start();
        window.next();
        if (!germanBuild) {
            window.next();
            window.back();
        }
        ASSERT_EQ(wizard.current(), Page::SetupType);
    }

    QApplication& app = application();  // before any widget
    FakeSystem system;
    Wizard wizard{system};
    SetupWizardWindow window{wizard};
    platform::MessageRecorder recorder;
    platform::ScopedMessageService scoped{recorder};
};

TEST_F(PagesTest, ButtonsFollowTheFlowAndPagesKeepTheirState) {
    window.start();
    const WizardTexts& t = uiTexts();
    EXPECT_EQ(window.windowTitle(), q(t.welcome.caption));
    EXPECT_EQ(window.page(Page::Welcome)->Memo1->toPlainText(), joinLines(t.welcome.lines));
    EXPECT_TRUE(window.page(Page::Welcome)->btnBack->isHidden());
    window.page(Page::Welcome)->btnNext->click();

    if (!germanBuild) {
        auto* destination = page<TfrmDestination>(Page::Destination);
        EXPECT_EQ(window.windowTitle(), q(t.destination.caption));
        EXPECT_EQ(destination->lbProgramFilesDir->text(), q(wizard.shortDestination()));
        destination->btnNext->click();
        auto* folder = page<TfrmFolder>(Page::ProgramGroup);
        ASSERT_EQ(folder->lbExcistingProgramFolders->count(), 2);
        folder->lbExcistingProgramFolders->setCurrentRow(1);
        emit folder->lbExcistingProgramFolders->itemDoubleClicked(
            folder->lbExcistingProgramFolders->item(1));
        EXPECT_EQ(folder->edProgramFolder->text(), "Games");
        folder->btnBack->click();
    }

    auto* setupType = page<TfrmSetupType>(Page::SetupType);
    ASSERT_EQ(wizard.current(), Page::SetupType);
    EXPECT_TRUE(setupType->typeButtons[0]->isChecked());
    EXPECT_EQ(setupType->lbSizeNeeded->text(), "271 Mb");
    EXPECT_EQ(setupType->lbSizeAvailable->text(), q(t.enough));
    EXPECT_EQ(setupType->lbSizeNeeded->x(),
              setupType->Label7->x() +
                  std::max(setupType->Label7->width(), setupType->Label8->width()) + 5);
    setupType->typeButtons[2]->click();
    EXPECT_EQ(setupType->lbSizeNeeded->text(), "186 Mb");
    setupType->typeButtons[1]->click();
    setupType->btnNext->click();

    auto* custom = page<TfrmCustomSetup>(Page::Custom);
    ASSERT_EQ(wizard.current(), Page::Custom);
    for (QComboBox* box : custom->languageBoxes) {
        ASSERT_EQ(box->count(), 4);
        EXPECT_EQ(box->currentIndex(), 0);
    }
    emit custom->languageBoxes[static_cast<int>(LanguageBox::GeneratorHelp)]->activated(2);
    for (LanguageBox box :
         {LanguageBox::GeneratorMain, LanguageBox::DrawingMain, LanguageBox::DrawingHelp}) {
        EXPECT_EQ(custom->languageBoxes[static_cast<int>(box)]->currentIndex(), 2);
    }
    EXPECT_EQ(custom->languageBoxes[static_cast<int>(LanguageBox::SolverMain)]->currentIndex(), 0);
    custom->cbTomblix->click();
    EXPECT_FALSE(custom->gbGenerator->isEnabled());
    EXPECT_FALSE(custom->languageBoxes[static_cast<int>(LanguageBox::GeneratorMain)]->isEnabled());
    EXPECT_EQ(custom->lbSizeNeeded->text(), "251 Mb");
    custom->btnBack->click();

    EXPECT_EQ(wizard.current(), Page::SetupType);
    EXPECT_TRUE(setupType->typeButtons[1]->isChecked());
    setupType->btnNext->click();
    EXPECT_FALSE(custom->cbTomblix->isChecked());  // the ticks stay between visits
    EXPECT_EQ(custom->languageBoxes[static_cast<int>(LanguageBox::DrawingHelp)]->currentIndex(), 2);
}

TEST_F(PagesTest, EscapeAsksTheCancelDialog) {
    int asked = 0;
    bool leave = false;
    window.setExitQuestion([&] {
        ++asked;
        return leave;
    });
    int ended = 0;
    QObject::connect(&window, &SetupWizardWindow::ended, [&] { ++ended; });
    window.start();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(wizard.ended());
    // The welcome page refuses to close.
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(wizard.ended());

    leave = true;
    window.page(Page::Welcome)->btnCancel->click();
    EXPECT_TRUE(wizard.ended());
    EXPECT_FALSE(wizard.finished());
    EXPECT_EQ(ended, 1);
}

TEST_F(PagesTest, CancelDialogEscapeLeavesAndCloseBoxResumes) {
    TfrmExit dialog;
    EXPECT_EQ(dialog.windowTitle(), q(uiTexts().exitDialog.caption));
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_TRUE(dialog.askExit());
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_FALSE(dialog.askExit());
    QTimer::singleShot(0, &dialog, [&] { dialog.btnResume->click(); });
    EXPECT_FALSE(dialog.askExit());
    QTimer::singleShot(0, &dialog, [&] { dialog.btnExit->click(); });
    EXPECT_TRUE(dialog.askExit());
}

TEST_F(PagesTest, GermanDialogYesOnlyWithJa) {
    TfrmGermanDlg dialog;
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Best\u00e4tigung"));
    QTimer::singleShot(0, &dialog, [&] { dialog.btnJa->click(); });
    EXPECT_TRUE(dialog.ask("W\xF6rterbuch?"));
    EXPECT_EQ(dialog.Memo1->toPlainText(), QString::fromUtf8("W\u00f6rterbuch?"));
    QTimer::singleShot(0, &dialog, [&] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    EXPECT_FALSE(dialog.ask("?"));
    QTimer::singleShot(0, &dialog, [&] { dialog.close(); });
    EXPECT_FALSE(dialog.ask("?"));
}

TEST_F(PagesTest, SummaryShowsTheChoicesAndHandsOver) {
    toSetupType();
    window.next();
    window.next();
    auto* summary = page<TfrmStartCopying>(Page::Summary);
    ASSERT_EQ(wizard.current(), Page::Summary);
    EXPECT_EQ(summary->Memo2->toPlainText(), joinLines(wizard.summaryLines()));
    EXPECT_FALSE(summary->btnNext->isEnabled());

    FakeCopying copying;
    wizard.setCopyingStep(&copying);
    window.back();
    window.next();
    ASSERT_TRUE(summary->btnNext->isEnabled());
    summary->btnNext->click();
    EXPECT_EQ(copying.runs, 1);
    ASSERT_EQ(wizard.current(), Page::Complete);
    EXPECT_EQ(window.windowTitle(), q(uiTexts().complete.caption));
    QTest::keyClick(&window, Qt::Key_Escape);  // no Cancel here
    EXPECT_FALSE(wizard.ended());
    window.close();  // closing the completion window is Finish
    EXPECT_TRUE(wizard.finished());
}

// Native paths, for the chooser's real folder list.
class LinuxFakeSystem : public FakeSystem {
public:
    char separator() const override { return '/'; }
    std::string currentDirectory() const override { return "/"; }
};

TEST(DirectoryChooser, CancelRestoresTheDestination) {
    application();
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath("base/other"));
    LinuxFakeSystem system;
    system.programFiles = fromQ(root.path() + "/base");
    Wizard wizard(system);
    const SetupChoices before = wizard.choices();

    TfrmChooseDir chooser(wizard);
    EXPECT_EQ(chooser.edXWordFolder->text(), q(before.productFolder));
    chooser.show();
    EXPECT_EQ(wizard.choices().destinationBase, before.destinationBase);
    EXPECT_EQ(chooser.lbFullPath->text(), q(wizard.shortDestination()));

    ASSERT_EQ(chooser.DirectoryListBox1->findItems("other", Qt::MatchExactly).size(), 1);
    emit chooser.DirectoryListBox1->itemActivated(
        chooser.DirectoryListBox1->findItems("other", Qt::MatchExactly).front());
    chooser.edXWordFolder->setText("/Puzzles/");
    EXPECT_EQ(wizard.choices().destinationBase, fromQ(root.path() + "/base/other/"));
    EXPECT_EQ(wizard.choices().productFolder, "Puzzles");

    chooser.btnCancelx->click();
    EXPECT_EQ(wizard.choices().destinationBase, before.destinationBase);
    EXPECT_EQ(wizard.choices().productFolder, before.productFolder);
    EXPECT_EQ(wizard.choices().destinationDrive, before.destinationDrive);
}

}  // namespace
}  // namespace wizard::pages

int main(int argc, char** argv) {
    // Test discovery runs the program at build time, outside ctest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
