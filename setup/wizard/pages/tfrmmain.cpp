#include "setup/wizard/pages/tfrmmain.h"

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmMain::TfrmMain(Wizard& wizard, QWidget* parent) : QWidget(parent), wizard_(wizard) {
    setFixedSize(pageWidth, pageHeight);
    picture = new QLabel(this);
    picture->setObjectName("picture");
    picture->setGeometry(12, 12, contentLeft - 24, pageHeight - 70);
    picture->setAutoFillBackground(true);
    picture->setStyleSheet("background-color: navy;");

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setGeometry(contentLeft, 12, contentWidth, 130);
    Memo1->setFocusPolicy(Qt::NoFocus);

    panHR = new QFrame(this);
    panHR->setObjectName("panHR");
    panHR->setFrameShape(QFrame::HLine);
    panHR->setFrameShadow(QFrame::Sunken);
    panHR->setGeometry(12, pageHeight - 50, pageWidth - 24, 2);

    const int y = pageHeight - 38;
    btnBack = new QPushButton(this);
    btnBack->setObjectName("btnBack");
    btnBack->setGeometry(pageWidth - 300, y, 88, 26);
    btnNext = new QPushButton(this);
    btnNext->setObjectName("btnNext");
    btnNext->setGeometry(pageWidth - 210, y, 88, 26);
    btnNext->setDefault(true);
    btnCancel = new QPushButton(this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(pageWidth - 100, y, 88, 26);

    const WizardTexts& t = uiTexts();
    setTexts(t.welcome.caption, t.welcome.lines, t.buttons);
    btnBack->hide();  // the welcome page has no Back
}

void TfrmMain::setTexts(const std::string& caption, const Lines& lines,
                        const ButtonTexts& buttons) {
    caption_ = q(caption);
    Memo1->setPlainText(joinLines(lines));
    btnNext->setText(q(buttons.next));
    btnBack->setText(q(buttons.back));
    btnCancel->setText(q(buttons.cancel));
}

}  // namespace wizard::pages
