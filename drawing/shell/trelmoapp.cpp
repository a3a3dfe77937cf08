#include "drawing/shell/trelmoapp.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <cstdio>

#include "drawing/render/drawsettings.h"
#include "drawing/resources/icons.h"
#include "drawing/shell/aboutdialog.h"
#include "drawing/shell/commandids.h"
#include "drawing/shell/dialogs.h"
#include "drawing/shell/gridediting.h"
#include "drawing/shell/handover.h"
#include "drawing/shell/helpviewer.h"
#include "drawing/shell/registration.h"
#include "drawing/shell/settingsfile.h"
#include "drawing/shell/trelmoframe.h"
#include "drawing/shell/trelmomdiclient.h"
#include "drawing/shell/trelmowindow.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/profile.h"

namespace shell {

namespace {

TTrelmoApp* running = nullptr;

constexpr const char* kHelpFile = "Vartel.chm";

void warnIfNotInstalled(const std::string& pictureDir) {
    if (pictureDir.size() < 2) {
        platform::showMessage("The program is not correctly installed\nRun setup on the CD",
                              "Error", platform::Icon::Stop);
    }
}

}  // namespace

TTrelmoApp::TTrelmoApp(const std::string& workDir) {
    running = this;
    startDir = workDir;
    handOverBlock = kHandOverBlock;
    handOverMessage = kHandOverMessage;
    settingsPath = SettingsPath(workDir);
    recentFiles.open(settingsPath);
    platform::Profile profile;
    profile.load(settingsPath);
    pictureDir = ReadPictureFolder();
    ReadSettings(profile, render::drawSettings(), pictureDir);
    render::currentClueFont = render::drawSettings().clueFont;
    warnIfNotInstalled(pictureDir);
}

TTrelmoApp::~TTrelmoApp() {
    if (qApp) qApp->removeEventFilter(this);
    if (helpMode_) QApplication::restoreOverrideCursor();
    frame_.reset();
    helpViewer_.reset();
    if (running == this) running = nullptr;
}

TTrelmoApp* TTrelmoApp::instance() { return running; }

void TTrelmoApp::InitInstance(const QStringList& arguments) {
    frame_ = std::make_unique<TTrelmoFrame>(*this);
    frame_->client()->startHandOver(handOverBlock, handOverMessage);
    frame_->showMaximized();
    qApp->installEventFilter(this);
    warnIfNotInstalled(ReadPictureFolder());

    std::vector<std::string> words;
    for (const QString& a : arguments) words.push_back(a.toStdString());
    if (WantsUnregister(words)) {
        RemoveRegistration();
    } else {
        WriteRegistration(QApplication::applicationFilePath().toStdString());
    }
}

void TTrelmoApp::command(int id) {
    switch (id) {
        case cmd::GeneralZoom:
            GeneralZoom();
            break;
        case cmd::SaveSetup:
            SaveSetup();
            break;
        case cmd::HelpContents:
            HelpContents();
            break;
        case cmd::About:
            About();
            break;
        default:
            break;
    }
}

void TTrelmoApp::GeneralZoom() {
    render::DrawSettings& settings = render::drawSettings();
    char initial[64];
    std::snprintf(initial, sizeof initial, "%.2f", settings.zoomPercent);
    const auto answer = dialogs().prompt("Zoom in or out", "Write a general Zoom-%", initial, 7);
    if (answer) settings.zoomPercent = ReadReal(*answer);
}

bool TTrelmoApp::SaveSetup() {
    std::optional<double> squeeze;
    if (frame_) {
        if (TTrelmoWindow* w = frame_->client()->activeCrosswordWindow()) {
            squeeze = w->view.squeeze;
        }
    }
    platform::Profile profile;
    profile.load(settingsPath);
    WriteSettings(profile, render::drawSettings(), pictureDir, squeeze);
    std::string error;
    if (profile.save(settingsPath, &error)) return true;
    platform::showMessage(settingsPath + "\n" + error, "Save setup", platform::Icon::Stop);
    return false;
}

void TTrelmoApp::openHelp(const char* anchor) {
    const auto path = platform::findFileNoCase(startDir, kHelpFile);
    if (!path) {
        platform::showMessage(std::string("Cannot find the help file ") + kHelpFile, "Help",
                              platform::Icon::Exclamation);
        return;
    }
    if (!helpViewer_) helpViewer_ = std::make_unique<HelpViewer>();
    helpViewer_->showDocument(*path, anchor);
}

void TTrelmoApp::HelpContents() { openHelp(HelpViewer::kContents); }

void TTrelmoApp::HelpDefaultTopic() { openHelp(HelpViewer::kDefaultTopic); }

void TTrelmoApp::About() {
    TTrelmoAboutDlg dialog(frame_.get());
    dialog.exec();
}

void TTrelmoApp::setHelpMode(bool on) {
    if (on == helpMode_) return;
    helpMode_ = on;
    if (on) {
        QApplication::setOverrideCursor(resources::helpCursor());
    } else {
        QApplication::restoreOverrideCursor();
    }
}

bool TTrelmoApp::takeHelpRequest() {
    if (!helpMode_ && !f1Down_) return false;
    setHelpMode(false);
    return true;
}

bool TTrelmoApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) f1Down_ = false;
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
        if (auto* menu = qobject_cast<QMenu*>(watched)) {
            // In an open menu: choosing the highlighted item now opens the help.
            setHelpMode(true);
            QApplication::postEvent(menu, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return,
                                                         Qt::NoModifier));
            return true;
        }
        if (key->modifiers() & Qt::ShiftModifier) {
            setHelpMode(true);
            return true;
        }
        if (!key->isAutoRepeat()) {
            f1Down_ = true;
            HelpDefaultTopic();
        }
        return true;
    }
    if (key->key() == Qt::Key_Escape && helpMode_) {
        setHelpMode(false);
        return true;
    }
    return false;
}

}  // namespace shell
