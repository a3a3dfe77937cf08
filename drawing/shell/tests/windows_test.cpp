// The program's windows driven as a user would: commands through the frame, scripted dialogs
// and recorded message boxes, under the offscreen platform.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <thread>
#include <unistd.h>

#include "drawing/document/kztfile.h"
#include "drawing/render/drawsettings.h"
#include "drawing/shell/commandids.h"
#include "drawing/shell/handover.h"
#include "drawing/shell/helpviewer.h"
#include "drawing/shell/markuppictures.h"
#include "drawing/shell/registration.h"
#include "drawing/shell/tests/scripteddialogs.h"
#include "drawing/shell/trelmoapp.h"
#include "drawing/shell/trelmoframe.h"
#include "drawing/shell/trelmomdichild.h"
#include "drawing/shell/trelmomdiclient.h"
#include "drawing/shell/trelmowindow.h"
#include "platform/messages.h"
#include "platform/profile.h"
#include "platform/registry.h"

namespace shell {
namespace {

namespace fs = std::filesystem;
using platform::Answer;

// The application lives in main() below, so that it goes before the toolkit's own statics.
QApplication& qtApp() { return *qobject_cast<QApplication*>(QCoreApplication::instance()); }

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        qtApp();
        static int counter = 0;
        const std::string unique = std::to_string(::getpid()) + "-" + std::to_string(++counter);
        dir = fs::temp_directory_path() / ("trelmo-windows-" + unique);
        fs::create_directories(dir);
        // A store of its own: ctest runs the cases of this file in parallel processes.
        ::setenv("CROSSWORD_REGISTRY", (dir / "registry").c_str(), 1);
        platform::Profile settings = platform::Profile::fromText("[Opsat]\r\nPix=/pictures\r\n");
        ASSERT_TRUE(settings.save((dir / "Trelmo.ini").string()));
        fs::copy_file(fs::path(TRELMO_SOURCE_DIR) / "drawing/resources/help/Vartel.chm",
                      dir / "Vartel.chm");
        platform::RegistryKey(platform::Hive::ClassesRoot)
            .create("Trelmo.Application\\Tegninger")
            ->writeString("", "/pictures");
        render::drawSettings() = render::DrawSettings{};
        app = std::make_unique<TTrelmoApp>(dir.string());
        app->handOverBlock = "TrelmoTestBlock-" + unique;
        app->handOverMessage = "TrelmoTestMsg-" + unique;
        app->InitInstance(arguments);
        QApplication::processEvents();
    }

    void TearDown() override {
        // Close without prompts: nothing is changed any more.
        for (TTrelmoWindow* w : client()->crosswordWindows()) w->view.doc.modified = false;
        app.reset();
        fs::remove_all(dir);
    }

    TTrelmoFrame& frame() { return *app->frame(); }
    TTrelmoMDIClient* client() { return frame().client(); }
    TTrelmoWindow* active() { return client()->activeCrosswordWindow(); }
    std::vector<std::string> titles() {
        std::vector<std::string> result;
        for (QMdiSubWindow* sub : client()->subWindowList()) {
            result.push_back(static_cast<TTrelmoMDIChild*>(sub)->title());
        }
        return result;
    }
    std::string file(const char* name) { return (dir / name).string(); }

    QStringList arguments;
    fs::path dir;
    platform::MessageRecorder messages;
    platform::ScopedMessageService useRecorder{messages};
    testing::ScriptedDialogs script;
    testing::ScopedDialogs useScript{script};
    std::unique_ptr<TTrelmoApp> app;
};

TEST_F(Windows, NewGivesNumberedDefaultCrosswordsWhoseSaveAsksForAName) {
    for (int i = 0; i < 3; ++i) frame().dispatch(cmd::New);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Document - 1", "Document - 2", "Document - 3"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(active()->view.doc.dimensions.width, 13);
    EXPECT_EQ(active()->view.doc.dimensions.height, 10);
    EXPECT_DOUBLE_EQ(active()->view.zoom, 1.09);

    script.fileAnswers = {std::nullopt};
    frame().dispatch(cmd::Save);
    EXPECT_EQ(script.fileDialogs, 1);
}

TEST_F(Windows, WindowCommandsAreGreyedWithoutACrosswordWindow) {
    for (int id : {cmd::Save, cmd::SaveAs, cmd::Zoom, cmd::Size, cmd::Turn90}) {
        EXPECT_FALSE(frame().action(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(frame().action(cmd::New)->isEnabled());
    frame().dispatch(cmd::New);
    EXPECT_TRUE(frame().action(cmd::Save)->isEnabled());
    // Commands of parts not in this program are listed but greyed.
    EXPECT_FALSE(frame().action(cmd::Print)->isEnabled());
    EXPECT_FALSE(frame().action(cmd::ImageFile)->isEnabled());
}

TEST_F(Windows, MenuBarHoldsTheSixMenusWithTheirSeparators) {
    const QList<QAction*> menus = frame().menuBar()->actions();
    ASSERT_EQ(menus.size(), 6);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[5]->text(), "&Help");
    QStringList file;
    for (QAction* a : menus[0]->menu()->actions()) file << (a->isSeparator() ? "-" : a->text());
    EXPECT_EQ(file.join("|").toStdString(),
              "&New|&Open...|&Close|-|&Save|Save &as...|-|Print Pre&view...|&Print...|"
              "P&rint setup...|-|-|Exit\tAlt+F4");
    EXPECT_EQ(frame().action(cmd::Turn90)->statusTip().toStdString(),
              "\"Turn over\" the crossword (swoop height and width)");
}

TEST_F(Windows, OpeningAMissingFileStillOpensAWindowTitledWithThePath) {
    const std::string missing = file("missing.kzt");
    script.fileAnswers = {missing};
    frame().dispatch(cmd::Open);
    EXPECT_EQ(titles(), std::vector<std::string>{missing});
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].caption, "Error - Cannot open");
    EXPECT_TRUE(active()->view.doc.untitled);
    EXPECT_EQ(app->recentFiles.entries().front(), missing);

    script.fileAnswers = {std::nullopt};
    frame().dispatch(cmd::Save);
    EXPECT_EQ(script.fileDialogs, 2);  // Open, then Save asking for a name
}

TEST_F(Windows, DroppedFilesOpenInDropOrderAndEnterTheRecentList) {
    const std::string sample = std::string(TRELMO_SOURCE_DIR) + "/examples/sample13x10.kzt";
    const std::string second = file("second.kzt");
    fs::copy_file(sample, second);
    frame().openDroppedFiles({QUrl::fromLocalFile(QString::fromStdString(sample)),
                              QUrl::fromLocalFile(QString::fromStdString(second))});
    ASSERT_EQ(titles(), (std::vector<std::string>{sample, second}));
    EXPECT_EQ(app->recentFiles.entries(), (std::vector<std::string>{second, sample}));
    EXPECT_FALSE(active()->view.doc.untitled);
}

// Sends the hand-over from another thread, as the generator would from its own process,
// while this thread runs the program's event loop.
bool handOver(TTrelmoApp& app, const std::string& path, int wParam) {
    bool delivered = false;
    std::thread sender([&] {
        delivered = SendHandOver(path, wParam, nullptr, app.handOverBlock, app.handOverMessage);
    });
    std::atomic_bool done = false;
    std::thread watcher([&] {
        sender.join();
        done = true;
    });
    while (!done) QApplication::processEvents(QEventLoop::AllEvents, 20);
    watcher.join();
    return delivered;
}

TEST_F(Windows, HandOverOneOpensTheNamedCrosswordAndTwoOnlyRaises) {
    const std::string sample = std::string(TRELMO_SOURCE_DIR) + "/examples/sample13x10.kzt";
    ASSERT_TRUE(handOver(*app, sample, 1));
    EXPECT_EQ(titles(), std::vector<std::string>{sample});
    EXPECT_EQ(app->recentFiles.entries().front(), sample);

    ASSERT_TRUE(handOver(*app, "", 2));
    EXPECT_EQ(titles().size(), 1u);
    EXPECT_EQ(client()->handOverMessage(7), 0);
    EXPECT_EQ(titles().size(), 1u);
}

class ClosePrompt : public Windows {
protected:
    void SetUp() override {
        Windows::SetUp();
        frame().dispatch(cmd::New);
        window = active();
        QTest::keyClicks(window, "ab");
        ASSERT_TRUE(window->view.doc.modified);
    }
    TTrelmoWindow* window = nullptr;
};

TEST_F(ClosePrompt, CancelKeepsTheWindowAndNoClosesItUnsaved) {
    messages.answers = {Answer::Cancel};
    frame().dispatch(cmd::Close);
    ASSERT_EQ(titles().size(), 1u);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Document - 1 is changed - do you want to save before leaving the program ?");
    EXPECT_EQ(messages.shown[0].caption, "Save before termination ?");
    EXPECT_EQ(messages.shown[0].buttons, platform::Buttons::YesNoCancel);
    EXPECT_EQ(messages.shown[0].icon, platform::Icon::Question);

    messages.answers = {Answer::No};
    frame().dispatch(cmd::Close);
    QApplication::processEvents();
    EXPECT_TRUE(titles().empty());
    EXPECT_EQ(script.fileDialogs, 0);
}

TEST_F(ClosePrompt, YesSavesUnderTheChosenNameThenCloses) {
    const std::string target = file("saved.kzt");
    messages.answers = {Answer::Yes};
    script.fileAnswers = {target};
    frame().dispatch(cmd::Close);
    QApplication::processEvents();
    EXPECT_TRUE(titles().empty());
    document::Crossword reloaded;
    ASSERT_EQ(document::Load(reloaded, target), document::LoadResult::Loaded);
    EXPECT_EQ(reloaded.grid.At(1, 1).Letter(), 'A');
    EXPECT_EQ(reloaded.grid.At(2, 1).Letter(), 'B');
}

TEST_F(ClosePrompt, YesWithCancelledOrFailedSaveKeepsTheWindowAndItsChanges) {
    messages.answers = {Answer::Yes};
    script.fileAnswers = {std::nullopt};
    frame().dispatch(cmd::Close);
    EXPECT_EQ(titles().size(), 1u);
    EXPECT_TRUE(window->view.doc.modified);

    messages.answers = {Answer::Yes};
    script.fileAnswers = {file("no-such-folder/saved.kzt")};
    frame().dispatch(cmd::Close);
    EXPECT_EQ(titles().size(), 1u);
    EXPECT_TRUE(window->view.doc.modified);
    EXPECT_GE(messages.shown.size(), 3u);  // two prompts and the save's own message
}

TEST_F(ClosePrompt, ShortTitleIsNamedNoname) {
    window->child()->setTitle("x");
    messages.answers = {Answer::Cancel};
    frame().dispatch(cmd::Close);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text,
              "Noname.kzt is changed - do you want to save before leaving the program ?");
}

TEST_F(Windows, KeysTypeAndMoveInTheActiveWindow) {
    frame().dispatch(cmd::New);
    TTrelmoWindow* w = active();
    QTest::keyClicks(w, "a1b");
    QTest::keyClick(w, Qt::Key_Down);
    QTest::keyClicks(w, "c");
    QTest::keyClick(w, Qt::Key_Backspace);
    const auto& grid = w->view.doc.grid;
    EXPECT_EQ(grid.At(1, 1).Letter(), 'A');
    EXPECT_EQ(grid.At(2, 1).Letter(), 'B');
    EXPECT_EQ(grid.At(3, 2).Letter(), ' ');  // typed downwards, then cleared by Backspace
    EXPECT_EQ(w->view.cursorRow, 2);
    EXPECT_EQ(w->view.typeDown, 1);
}

TEST_F(Windows, ZoomPromptShowsAndTakesHundredthsOfAPercent) {
    frame().dispatch(cmd::New);
    script.promptAnswers = {"109.50", std::nullopt};
    frame().dispatch(cmd::Zoom);
    EXPECT_DOUBLE_EQ(active()->view.zoom, 1.095);
    frame().dispatch(cmd::Zoom);
    ASSERT_EQ(script.prompts.size(), 2u);
    EXPECT_EQ(script.prompts[0].initial, "109.0");
    EXPECT_EQ(script.prompts[1].initial, "109.50");
    EXPECT_EQ(script.prompts[1].title, "Zoom in or out");
    EXPECT_FALSE(active()->view.doc.modified);
}

TEST_F(Windows, SizeOfThisCrosswordCountsAsChangeEvenAfterCancel) {
    frame().dispatch(cmd::New);
    script.sizeAnswers = {std::pair{"10", "0"}, std::nullopt};
    frame().dispatch(cmd::Size);
    EXPECT_TRUE(active()->view.doc.modified);
    EXPECT_EQ(active()->view.doc.dimensions.width, 13);

    script.sizeAnswers = {std::pair{"4", "5"}};
    frame().dispatch(cmd::Size);
    EXPECT_EQ(active()->view.doc.grid.width(), 5);
    EXPECT_EQ(active()->view.doc.grid.height(), 4);

    script.sizeAnswers = {std::pair{"20", "30"}};
    frame().dispatch(cmd::DefaultSize);
    EXPECT_EQ(render::drawSettings().defaultWidth, 30);
    frame().dispatch(cmd::New);
    EXPECT_EQ(active()->view.doc.dimensions.height, 20);
}

TEST_F(Windows, RightClickOpensTheSeparatorDialogOnTheClickedSquare) {
    frame().dispatch(cmd::New);
    TTrelmoWindow* w = active();
    w->viewport()->grab();  // a paint sets the square size
    ASSERT_GT(w->view.squareWidth, 0);
    const QPoint second(10 + w->view.squareWidth + 2, 10 + 2);
    script.separatorAnswers = {SeparatorTrans{true, true}};
    QTest::mouseClick(w->viewport(), Qt::RightButton, Qt::NoModifier, second);
    ASSERT_EQ(script.separatorShown.size(), 1u);
    EXPECT_EQ(w->view.doc.grid.At(2, 1).lineRight, 0);
    EXPECT_EQ(w->view.doc.grid.At(2, 1).lineBottom, 0);
    EXPECT_EQ(w->view.doc.grid.At(1, 1).lineRight, 1);
    EXPECT_TRUE(w->view.doc.modified);
    QTest::mouseClick(w->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(script.separatorShown.size(), 1u);  // outside the grid: nothing
}

TEST_F(Windows, TurningTwiceRestoresTheCrossword) {
    frame().dispatch(cmd::New);
    TTrelmoWindow* w = active();
    QTest::keyClicks(w, "abc");
    frame().dispatch(cmd::Turn90);
    EXPECT_EQ(w->view.doc.dimensions.width, 10);
    EXPECT_EQ(w->view.doc.grid.At(1, 3).Letter(), 'C');
    frame().dispatch(cmd::Turn90);
    EXPECT_EQ(w->view.doc.grid.At(3, 1).Letter(), 'C');
    EXPECT_EQ(w->view.doc.dimensions.width, 13);
}

TEST_F(Windows, ThicknessPromptsKeepTheOldValueOutsideTheRange) {
    frame().dispatch(cmd::New);
    script.promptAnswers = {"31", "12", "11", "3"};
    frame().dispatch(cmd::ArrowThickness);
    EXPECT_EQ(render::drawSettings().arrowThickness, 1);
    frame().dispatch(cmd::ArrowThickness);
    EXPECT_EQ(render::drawSettings().arrowThickness, 12);
    frame().dispatch(cmd::LineThickness);
    EXPECT_EQ(render::drawSettings().lineThickness, 1);
    frame().dispatch(cmd::LineThickness);
    EXPECT_EQ(render::drawSettings().lineThickness, 3);
    EXPECT_EQ(script.prompts[1].initial, "1");
    EXPECT_EQ(script.prompts[0].title, "Tykkelse p\xE5 Pile");
}

TEST_F(Windows, FontCommandsTakeTheChoiceOnlyOnOk) {
    frame().dispatch(cmd::New);
    const render::DrawSettings before = render::drawSettings();
    render::FontDescription chosen;
    chosen.setFace("Courier");
    chosen.height = -18;
    const render::Rgb blue{0, 0, 200};

    script.fontAnswers = {std::nullopt, std::nullopt};
    frame().dispatch(cmd::SetFont);
    frame().dispatch(cmd::SolutionFont);
    EXPECT_EQ(render::drawSettings().clueFont, before.clueFont);
    EXPECT_EQ(render::drawSettings().clueColour, before.clueColour);
    EXPECT_EQ(render::drawSettings().solutionFont, before.solutionFont);
    EXPECT_EQ(render::drawSettings().solutionColour, before.solutionColour);

    script.fontAnswers = {std::pair{chosen, blue}, std::pair{chosen, blue}};
    frame().dispatch(cmd::SetFont);
    EXPECT_EQ(render::drawSettings().clueFont, chosen);
    EXPECT_EQ(render::drawSettings().clueColour, blue);
    EXPECT_EQ(render::currentClueFont, chosen);
    EXPECT_EQ(active()->view.clueFont, chosen);
    EXPECT_EQ(render::drawSettings().solutionFont, before.solutionFont);
    frame().dispatch(cmd::SolutionFont);
    EXPECT_EQ(render::drawSettings().solutionFont, chosen);
    EXPECT_EQ(render::drawSettings().solutionColour, blue);
    EXPECT_EQ(active()->view.solutionFont, chosen);
}

TEST_F(Windows, SaveSetupWritesTheActiveWindowsSqueezeOrOneHundred) {
    const std::string ini = file("Trelmo.ini");
    frame().dispatch(cmd::SaveSetup);
    EXPECT_EQ(platform::readProfileInt(ini, "Opsat", "Sqeeze", 0), 100);
    frame().dispatch(cmd::New);
    script.promptAnswers = {"90"};
    frame().dispatch(cmd::Squeeze);
    frame().dispatch(cmd::SaveSetup);
    EXPECT_EQ(platform::readProfileInt(ini, "Opsat", "Sqeeze", 0), 90);
    EXPECT_EQ(platform::readProfileInt(ini, "Opsat", "Zoom", 0), 1090);
    EXPECT_EQ(platform::readProfileString(ini, "Opsat", "Pix", ""), "/pictures");
}

TEST_F(Windows, HelpModeTurnsTheNextCommandIntoHelp) {
    QTest::keyClick(&frame(), Qt::Key_F1, Qt::ShiftModifier);
    ASSERT_TRUE(app->helpMode());
    frame().dispatch(cmd::New);
    EXPECT_TRUE(titles().empty());
    EXPECT_FALSE(app->helpMode());
    auto* viewer = qobject_cast<HelpViewer*>(
        [] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (qobject_cast<HelpViewer*>(w) && w->isVisible()) return w;
            }
            return static_cast<QWidget*>(nullptr);
        }());
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->currentAnchor(), HelpViewer::kDefaultTopic);

    QTest::keyClick(&frame(), Qt::Key_F1, Qt::ShiftModifier);
    QTest::keyClick(&frame(), Qt::Key_Escape);
    EXPECT_FALSE(app->helpMode());
    frame().dispatch(cmd::HelpContents);
    EXPECT_EQ(viewer->currentAnchor(), HelpViewer::kContents);
}

TEST_F(Windows, HelpDocumentPicturesShowTheMarkup) {
    const QImage plain = MarkupPicture("CLUE");
    EXPECT_NE(MarkupPicture("CLUE|^"), plain);
    EXPECT_NE(MarkupPicture("CLUE|]"), MarkupPicture("CLUE|["));
    HelpViewer viewer;
    viewer.showDocument(file("Vartel.chm"), HelpViewer::kContents);
    EXPECT_TRUE(viewer.toPlainText().contains("Clue markup"));
}

TEST_F(Windows, EveryStartWritesTheRegistration) {
    const platform::RegistryKey root(platform::Hive::ClassesRoot);
    const std::string program = QApplication::applicationFilePath().toStdString();
    EXPECT_EQ(root.open(".KZT")->readString(""), "Trelmo.Document.1");
    EXPECT_EQ(root.open("Trelmo.Document.1\\DefaultIcon")->readString(""), program + ",1");
    EXPECT_EQ(root.open("Trelmo.Application\\DefaultIcon")->readString(""), program);
}

class Unregister : public Windows {
protected:
    void SetUp() override {
        arguments = {"-UNREG"};
        Windows::SetUp();
    }
};

TEST_F(Unregister, RemovesTheSixKeysAndTheProgramRunsOn) {
    const platform::RegistryKey root(platform::Hive::ClassesRoot);
    for (const char* key : {"Trelmo.Application", "Trelmo.Document.1", ".KZT"}) {
        EXPECT_FALSE(root.open(key)) << key;
    }
    EXPECT_TRUE(frame().isVisible());
}

TEST(UnregisterOption, AnyCaseInsensitivePrefixAfterASwitch) {
    EXPECT_TRUE(WantsUnregister({"/UNREG"}));
    EXPECT_TRUE(WantsUnregister({"file.kzt", "-u"}));
    EXPECT_TRUE(WantsUnregister({"-Unregister"}));
    EXPECT_FALSE(WantsUnregister({"-unregistered"}));
    EXPECT_FALSE(WantsUnregister({"unreg"}));
    EXPECT_FALSE(WantsUnregister({"-x"}));
}

TEST(StartWithoutInstallation, ReportsTheMissingPictureFolder) {
    qtApp();
    const fs::path dir = fs::temp_directory_path() / ("trelmo-bare-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    ::setenv("CROSSWORD_REGISTRY", (dir / "registry").c_str(), 1);
    platform::MessageRecorder messages;
    platform::ScopedMessageService useRecorder(messages);
    {
        TTrelmoApp app(dir.string());
        ASSERT_EQ(messages.shown.size(), 2u);
        EXPECT_EQ(messages.shown[0].text, "Error to open registry code 2");
        EXPECT_EQ(messages.shown[0].caption, "DisplayKeyData()");
        EXPECT_EQ(messages.shown[1].text,
                  "The program is not correctly installed\nRun setup on the CD");
        EXPECT_EQ(messages.shown[1].icon, platform::Icon::Stop);
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace shell

int main(int argc, char** argv) {
    // Headless unless told otherwise (test discovery runs without the test environment).
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
