#include "setup/wizard/pages/tfrmsetuptype.h"

#include <QFontMetrics>
#include <algorithm>

#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmSetupType::TfrmSetupType(Wizard& wizard, QWidget* parent) : TfrmDestination(wizard, parent) {
    const WizardTexts& t = uiTexts();
    Memo1->hide();
    rgSetupType = new QGroupBox(this);
    rgSetupType->setObjectName("rgSetupType");
    rgSetupType->setGeometry(contentLeft, 12, contentWidth, 170);
    for (int i = 0; i < 3; ++i) {
        typeButtons[i] = new QRadioButton(rgSetupType);
        typeButtons[i]->setObjectName(QString("rbSetupType%1").arg(i));
        typeButtons[i]->setText(q(t.setupType.typeNames[i]));
        descriptions[i] = new QLabel(this);
        descriptions[i]->setObjectName(QString("lbDescription%1").arg(i));
        descriptions[i]->setWordWrap(true);
        descriptions[i]->setText(q(t.setupType.descriptions[i]));
    }
    typeButtons[0]->setChecked(true);

    Label7 = new QLabel(q(t.setupType.needed), this);
    Label7->setObjectName("Label7");
    lbSizeNeeded = new QLabel(this);
    lbSizeNeeded->setObjectName("lbSizeNeeded");
    Label8 = new QLabel(q(t.setupType.available), this);
    Label8->setObjectName("Label8");
    lbSizeAvailable = new QLabel(this);
    lbSizeAvailable->setObjectName("lbSizeAvailable");

    setTexts(t.setupType.caption, {}, t.buttons);
    rgSetupType->setTitle(q(t.setupType.group));
    gbDestination->setTitle(q(t.setupType.destinationGroup));
    btnBrowse->setText(q(t.setupType.browse));

    // Layout rules, applied once the texts are set.
    QFontMetrics radioFont(rgSetupType->font());
    int widestName = 0;
    for (QRadioButton* b : typeButtons) {
        widestName = std::max(widestName, radioFont.horizontalAdvance(b->text()));
    }
    const int descriptionLeft = widestName + 45;
    const int descriptionWidth = rgSetupType->width() - widestName - 50;
    for (int i = 0; i < 3; ++i) {
        const int y = 24 + i * 48;
        typeButtons[i]->setGeometry(10, y, descriptionLeft - 15, 22);
        descriptions[i]->setGeometry(rgSetupType->x() + descriptionLeft, rgSetupType->y() + y - 2,
                                     descriptionWidth, 44);
        descriptions[i]->raise();
    }
    const int captionWidth = std::max(Label7->sizeHint().width(), Label8->sizeHint().width());
    Label7->setGeometry(contentLeft, 190, captionWidth, 20);
    Label8->setGeometry(contentLeft, 212, captionWidth, 20);
    lbSizeNeeded->setGeometry(contentLeft + captionWidth + 5, 190, 120, 20);
    lbSizeAvailable->setGeometry(contentLeft + captionWidth + 5, 212, 120, 20);

    for (int i = 0; i < 3; ++i) {
        connect(typeButtons[i], &QRadioButton::toggled, this, [this, i](bool on) {
            if (!on) return;
            wizard_.selectSetupType(static_cast<SetupType>(i));
            lbSizeNeeded->setText(q(wizard_.neededText()));
        });
    }
}

void TfrmSetupType::activated() {
    refreshDestination();
    lbSizeNeeded->setText(q(wizard_.neededText()));
}

void TfrmSetupType::refreshDestination() {
    TfrmDestination::refreshDestination();
    lbSizeAvailable->setText(q(wizard_.availableText()));
    lbSizeNeeded->setText(q(wizard_.neededText()));
}

}  // namespace wizard::pages
