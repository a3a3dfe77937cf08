#pragma once
// The destination page: the destination shown in gbDestination and the Browse button that
// opens the directory chooser.
#include <QGroupBox>

#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class TfrmDestination : public TfrmMain {
    Q_OBJECT
public:
    explicit TfrmDestination(Wizard& wizard, QWidget* parent = nullptr);
    void activated() override;
    // Shows the destination as it is now (after the chooser closed, too).
    virtual void refreshDestination();

    QGroupBox* gbDestination;
    QLabel* lbProgramFilesDir;
    QPushButton* btnBrowse;

signals:
    void browseRequested();
};

}  // namespace wizard::pages
