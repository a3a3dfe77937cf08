#pragma once
// The program-group page: the group name field and the list of existing groups.
#include <QLineEdit>
#include <QListWidget>

#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class TfrmFolder : public TfrmMain {
    Q_OBJECT
public:
    explicit TfrmFolder(Wizard& wizard, QWidget* parent = nullptr);
    void activated() override;

    QLabel* lbProgramFolder;
    QLineEdit* edProgramFolder;
    QLabel* lbExistingFolders;
    QListWidget* lbExcistingProgramFolders;
};

}  // namespace wizard::pages
