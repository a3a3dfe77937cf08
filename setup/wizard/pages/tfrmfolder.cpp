#include "setup/wizard/pages/tfrmfolder.h"

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmFolder::TfrmFolder(Wizard& wizard, QWidget* parent) : TfrmMain(wizard, parent) {
    const WizardTexts& t = uiTexts();
    btnBack->show();
    Memo1->setGeometry(contentLeft, 12, contentWidth, 100);
    lbProgramFolder = new QLabel(q(t.programGroup.nameLabel), this);
    lbProgramFolder->setObjectName("lbProgramFolder");
    lbProgramFolder->setGeometry(contentLeft, 116, contentWidth, 18);
    edProgramFolder = new QLineEdit(q(wizard.programFolderField()), this);
    edProgramFolder->setObjectName("edProgramFolder");
    edProgramFolder->setGeometry(contentLeft, 136, contentWidth, 24);
    lbExistingFolders = new QLabel(q(t.programGroup.listLabel), this);
    lbExistingFolders->setObjectName("lbExistingFolders");
    lbExistingFolders->setGeometry(contentLeft, 166, contentWidth, 18);
    lbExcistingProgramFolders = new QListWidget(this);
    lbExcistingProgramFolders->setObjectName("lbExcistingProgramFolders");
    lbExcistingProgramFolders->setGeometry(contentLeft, 186, contentWidth, pageHeight - 246);
    setTexts(t.programGroup.caption, t.programGroup.lines, t.buttons);

    connect(edProgramFolder, &QLineEdit::textChanged, this,
            [this](const QString& text) { wizard_.setProgramFolderField(fromQ(text)); });
    connect(lbExcistingProgramFolders, &QListWidget::itemDoubleClicked, this, [this] {
        wizard_.chooseExistingGroup(lbExcistingProgramFolders->currentRow());
        edProgramFolder->setText(q(wizard_.programFolderField()));
    });
}

void TfrmFolder::activated() {
    // The model reads the groups once; the list follows it.
    if (lbExcistingProgramFolders->count() == 0) {
        for (const std::string& group : wizard_.existingGroups()) {
            lbExcistingProgramFolders->addItem(q(group));
        }
    }
}

}  // namespace wizard::pages
