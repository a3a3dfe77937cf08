#include "setup/wizard/pages/tfrmstartcopying.h"

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmStartCopying::TfrmStartCopying(Wizard& wizard, QWidget* parent) : TfrmMain(wizard, parent) {
    const WizardTexts& t = uiTexts();
    btnBack->show();
    Memo1->setGeometry(contentLeft, 12, contentWidth, 110);
    lbSettings = new QLabel(q(t.summary.heading), this);
    lbSettings->setObjectName("lbSettings");
    lbSettings->setGeometry(contentLeft, 128, contentWidth, 18);
    Memo2 = new QPlainTextEdit(this);
    Memo2->setObjectName("Memo2");
    Memo2->setReadOnly(true);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setGeometry(contentLeft, 148, contentWidth, pageHeight - 208);
    setTexts(t.summary.caption, t.summary.lines, t.buttons);
}

void TfrmStartCopying::activated() {
    Memo2->setPlainText(joinLines(wizard_.summaryLines()));
    // Until the installation engine is installed there is nothing to start.
    btnNext->setEnabled(wizard_.canStartCopying());
}

}  // namespace wizard::pages
