#pragma once
// The summary page: the current settings in Memo2, rebuilt every time the page comes up.
#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class TfrmStartCopying : public TfrmMain {
    Q_OBJECT
public:
    explicit TfrmStartCopying(Wizard& wizard, QWidget* parent = nullptr);
    void activated() override;

    QLabel* lbSettings;
    QPlainTextEdit* Memo2;
};

}  // namespace wizard::pages
