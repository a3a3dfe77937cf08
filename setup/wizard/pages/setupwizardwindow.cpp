#include "setup/wizard/pages/setupwizardwindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

#include "setup/wizard/pages/tfrmcomplete.h"
#include "setup/wizard/pages/tfrmcustomsetup.h"
#include "setup/wizard/pages/tfrmdestination.h"
#include "setup/wizard/pages/tfrmfolder.h"
#include "setup/wizard/pages/tfrmsetuptype.h"
#include "setup/wizard/pages/tfrmstartcopying.h"

namespace wizard::pages {

SetupWizardWindow::SetupWizardWindow(Wizard& wizard, QWidget* backdrop)
    : QDialog(backdrop), wizard_(wizard) {
    setObjectName("SetupWizardWindow");
    // No title-bar buttons: pages leave through their own buttons.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    stack_ = new QStackedWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(stack_);
    setFixedSize(TfrmMain::pageWidth, TfrmMain::pageHeight);

    // The order in which the pages are made.
    add(Page::Complete, new TfrmComplete(wizard));
    add(Page::Welcome, new TfrmMain(wizard));
    exit_ = new TfrmExit(this);
    auto* destination = new TfrmDestination(wizard);
    add(Page::Destination, destination);
    add(Page::Custom, new TfrmCustomSetup(wizard));
    add(Page::ProgramGroup, new TfrmFolder(wizard));
    add(Page::Summary, new TfrmStartCopying(wizard));
    chooser_ = new TfrmChooseDir(wizard, this);
    auto* setupType = new TfrmSetupType(wizard);
    add(Page::SetupType, setupType);

    askExit_ = [this] { return exit_->askExit(); };
    browse_ = [this] { chooser_->exec(); };
    for (TfrmDestination* page : {destination, static_cast<TfrmDestination*>(setupType)}) {
        connect(page, &TfrmDestination::browseRequested, this, [this, page] {
            browse_();
            page->refreshDestination();
        });
    }
}

void SetupWizardWindow::add(Page page, TfrmMain* widget) {
    pages_[page] = widget;
    stack_->addWidget(widget);
    connect(widget->btnNext, &QPushButton::clicked, this, &SetupWizardWindow::next);
    connect(widget->btnBack, &QPushButton::clicked, this, &SetupWizardWindow::back);
    connect(widget->btnCancel, &QPushButton::clicked, this, &SetupWizardWindow::cancel);
}

void SetupWizardWindow::start() {
    wizard_.start();
    sync();
}

void SetupWizardWindow::next() {
    if (wizard_.current() == Page::Summary && wizard_.canStartCopying()) {
        hide();  // the copying page takes over in a window of its own
    }
    wizard_.next();
    sync();
}

void SetupWizardWindow::back() {
    wizard_.back();
    sync();
}

void SetupWizardWindow::cancel() {
    if (!Wizard::hasCancel(wizard_.current())) return;
    if (askExit_()) wizard_.exitSetup();
    sync();
}

void SetupWizardWindow::reject() { cancel(); }

// Only the completion page may be closed: that counts as Finish. The others (the welcome
// page above all) refuse.
void SetupWizardWindow::closeEvent(QCloseEvent* event) {
    if (!wizard_.ended() && wizard_.current() == Page::Complete) {
        wizard_.finish();
        sync();
    }
    if (!wizard_.ended()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void SetupWizardWindow::sync() {
    if (wizard_.ended()) {
        hide();
        emit ended();
        return;
    }
    auto found = pages_.find(wizard_.current());
    if (found == pages_.end()) return;  // the copying page shows itself
    TfrmMain* page = found->second;
    if (stack_->currentWidget() != page) stack_->setCurrentWidget(page);
    setWindowTitle(page->caption());
    page->activated();
    if (!isVisible()) show();
}

}  // namespace wizard::pages
