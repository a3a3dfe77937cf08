#pragma once
// The completion page: its texts and the Finish button (btnNext); no Back, no Cancel.
#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class TfrmComplete : public TfrmMain {
    Q_OBJECT
public:
    explicit TfrmComplete(Wizard& wizard, QWidget* parent = nullptr);
};

}  // namespace wizard::pages
