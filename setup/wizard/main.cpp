// The installation wizard `setup`.
#include <QApplication>
#include <cstring>

#include "platform/messages.h"
#include "platform/qt/qtmessages.h"
#include "setup/engine/prerequisites.h"
#include "setup/engine/silentinstall.h"
#include "setup/wizard/copyingfilesunit.h"
#include "setup/wizard/core/systemlookups.h"
#include "setup/wizard/core/texts.h"
#include "setup/wizard/core/wizard.h"
#include "setup/wizard/core/wizardmessages.h"
#include "setup/wizard/pages/qtext.h"
#include "setup/wizard/pages/setupwizardwindow.h"
#include "setup/wizard/pages/tfrmbackground.h"
#include "setup/wizard/pages/tfrmgermandlg.h"

int main(int argc, char* argv[]) {
    // Modes without windows are dispatched here, before any window or QApplication exists.
    if (auto exitCode = engine::runSilentIfAsked(argc, argv)) return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName("SETUP");
    QApplication::setApplicationDisplayName("Setup.exe");
    QApplication::setQuitOnLastWindowClosed(false);
    platform::QtMessages boxes;
    platform::ScopedMessageService messages(boxes);

    wizard::Wizard wizard;
    wizard::pages::TfrmBackground backdrop;
    wizard::pages::SetupWizardWindow pages(wizard, &backdrop);
    wizard::pages::TfrmGermanDlg germanDialog(&backdrop);
    wizard::setGermanDialog(
        [&](const std::string& question) { return germanDialog.ask(question); });
    wizard::pages::TfrmCopyingFiles copyingPage(&backdrop);
    wizard.setCopyingStep(&copyingPage);
    QApplication::setApplicationDisplayName(wizard::pages::q(wizard::uiTexts().applicationTitle));

    QObject::connect(&pages, &wizard::pages::SetupWizardWindow::ended, &app, &QApplication::quit);
    QObject::connect(&backdrop, &wizard::pages::TfrmBackground::closed, &app, &QApplication::quit);
    backdrop.showFullScreen();
    pages.start();
    const int result = app.exec();
    wizard::setGermanDialog({});

    // Finish ends the wizard first; then the prerequisite installers start.
    if (wizard.finished()) engine::startInstallers(wizard::systemProbes(), wizard.choices());
    return copyingPage.stopped() ? 1 : result;
}
