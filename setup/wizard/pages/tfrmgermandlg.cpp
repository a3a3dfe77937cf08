#include "setup/wizard/pages/tfrmgermandlg.h"

#include "setup/wizard/core/texts.h"
#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmGermanDlg::TfrmGermanDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmGermanDlg");
    const WizardTexts& t = uiTexts();
    setWindowTitle(q(t.germanDialogCaption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(380, 150);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setGeometry(12, 12, 356, 86);
    btnJa = new QPushButton(q(t.germanYes), this);
    btnJa->setObjectName("btnJa");
    btnJa->setGeometry(180, 110, 90, 28);
    btnJa->setDefault(true);
    btnNein = new QPushButton(q(t.germanNo), this);
    btnNein->setObjectName("btnNein");
    btnNein->setGeometry(278, 110, 90, 28);
    connect(btnJa, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNein, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmGermanDlg::ask(const std::string& question) {
    Memo1->setPlainText(q(question));
    return exec() == QDialog::Accepted;
}

}  // namespace wizard::pages
