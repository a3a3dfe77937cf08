#pragma once
// The setup-type page: Typical, Custom or Compact with their descriptions, the destination
// (inherited) and the space needed and available.
#include <QRadioButton>
#include <array>

#include "setup/wizard/pages/tfrmdestination.h"

namespace wizard::pages {

class TfrmSetupType : public TfrmDestination {
    Q_OBJECT
public:
    explicit TfrmSetupType(Wizard& wizard, QWidget* parent = nullptr);
    void activated() override;
    void refreshDestination() override;

    QGroupBox* rgSetupType;
    std::array<QRadioButton*, 3> typeButtons;
    std::array<QLabel*, 3> descriptions;
    QLabel* Label7;  // space needed
    QLabel* lbSizeNeeded;
    QLabel* Label8;  // space available
    QLabel* lbSizeAvailable;
};

}  // namespace wizard::pages
