#include "setup/wizard/pages/tfrmcomplete.h"

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmComplete::TfrmComplete(Wizard& wizard, QWidget* parent) : TfrmMain(wizard, parent) {
    const WizardTexts& t = uiTexts();
    Memo1->setGeometry(contentLeft, 12, contentWidth, pageHeight - 80);
    setTexts(t.complete.caption, t.complete.lines, t.buttons);
    btnNext->setText(q(t.complete.finish));
    btnBack->hide();
    btnCancel->hide();
}

}  // namespace wizard::pages
