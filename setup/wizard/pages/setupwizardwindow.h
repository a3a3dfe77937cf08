#pragma once
// The window in front of the backdrop that shows one page at a time, as the wizard's page
// stack says, and turns the buttons, Escape and the cancel dialog into the wizard's moves.
#include <QDialog>
#include <QStackedWidget>
#include <functional>
#include <map>

#include "setup/wizard/core/wizard.h"
#include "setup/wizard/pages/tfrmchoosedir.h"
#include "setup/wizard/pages/tfrmexit.h"
#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class SetupWizardWindow : public QDialog {
    Q_OBJECT
public:
    // Makes every page once; they live as long as this window.
    explicit SetupWizardWindow(Wizard& wizard, QWidget* backdrop = nullptr);

    // Shows the welcome page.
    void start();
    TfrmMain* page(Page page) const { return pages_.at(page); }
    TfrmExit* exitDialog() const { return exit_; }
    TfrmChooseDir* chooser() const { return chooser_; }
    // Tests answer the cancel dialog and the chooser themselves.
    void setExitQuestion(std::function<bool()> ask) { askExit_ = std::move(ask); }
    void setBrowse(std::function<void()> browse) { browse_ = std::move(browse); }

    void next();
    void back();
    // Cancel or Escape: the cancel dialog, on pages that have Cancel.
    void cancel();

signals:
    // The wizard has ended (Exit Setup, a stopped installation or Finish).
    void ended();

public slots:
    void reject() override;  // the Escape key

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void add(Page page, TfrmMain* widget);
    void sync();

    Wizard& wizard_;
    QStackedWidget* stack_;
    std::map<Page, TfrmMain*> pages_;
    TfrmExit* exit_;
    TfrmChooseDir* chooser_;
    std::function<bool()> askExit_;
    std::function<void()> browse_;
};

}  // namespace wizard::pages
