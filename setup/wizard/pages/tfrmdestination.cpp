#include "setup/wizard/pages/tfrmdestination.h"

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmDestination::TfrmDestination(Wizard& wizard, QWidget* parent) : TfrmMain(wizard, parent) {
    btnBack->show();
    gbDestination = new QGroupBox(this);
    gbDestination->setObjectName("gbDestination");
    gbDestination->setGeometry(contentLeft, pageHeight - 120, contentWidth, 60);
    lbProgramFilesDir = new QLabel(gbDestination);
    lbProgramFilesDir->setObjectName("lbProgramFilesDir");
    lbProgramFilesDir->setGeometry(10, 24, contentWidth - 120, 22);
    btnBrowse = new QPushButton(gbDestination);
    btnBrowse->setObjectName("btnBrowse");
    btnBrowse->setGeometry(contentWidth - 100, 20, 90, 26);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmDestination::browseRequested);

    const WizardTexts& t = uiTexts();
    setTexts(t.destination.caption, t.destination.lines, t.buttons);
    btnNext->setText(q(t.destination.next));
    gbDestination->setTitle(q(t.destination.group));
    btnBrowse->setText(q(t.destination.browse));
}

void TfrmDestination::activated() { refreshDestination(); }

void TfrmDestination::refreshDestination() {
    lbProgramFilesDir->setText(q(wizard_.shortDestination()));
}

}  // namespace wizard::pages
