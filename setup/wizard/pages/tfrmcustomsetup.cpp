#include "setup/wizard/pages/tfrmcustomsetup.h"

#include <algorithm>

#include "setup/wizard/core/languages.h"
#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

namespace {

struct BoxPlace {
    const char* box;
    const char* label;
    int group;  // 0 solver, 1 generator, 2 drawing program
    int row;
};

const BoxPlace boxPlaces[languageBoxCount] = {
    {"cdMainLanguageSolver", "Label0", 0, 1},
    {"cbOnlineHelpLanguageSolver", "Label2", 0, 2},
    {"cbDictionaryLanguageSolver", "Label1", 0, 3},
    {"cdMainLanguageGenerator", "Label3", 1, 0},
    {"cbOnlineHelpLanguageGenerator", "Label4", 1, 1},
    {"cdMainLanguageVartel", "Label5", 2, 0},
    {"cbOnlineHelpLanguageVartel", "Label6", 2, 1},
};

constexpr int rowHeight = 24;

}  // namespace

TfrmCustomSetup::TfrmCustomSetup(Wizard& wizard, QWidget* parent) : TfrmMain(wizard, parent) {
    const WizardTexts& t = uiTexts();
    btnBack->show();
    Memo1->setGeometry(contentLeft, 8, contentWidth, 20);

    const int boxLeft = contentLeft + 20;
    const int groupWidth = contentWidth - 20;
    auto makeProgram = [&](const char* name, const std::string& text, int y) {
        auto* box = new QCheckBox(q(text), this);
        box->setObjectName(name);
        box->setGeometry(contentLeft, y, contentWidth, 20);
        box->setChecked(true);
        return box;
    };
    auto makeGroup = [&](const char* name, int y, int rows) {
        auto* group = new QGroupBox(this);
        group->setObjectName(name);
        group->setGeometry(boxLeft, y, groupWidth, 8 + rows * rowHeight);
        return group;
    };
    cbQuenzor = makeProgram("cbQuenzor", t.custom.solver, 32);
    gbQuenzer = makeGroup("gbQuenzer", 52, 4);
    cbTomblix = makeProgram("cbTomblix", t.custom.generator, 158);
    gbGenerator = makeGroup("gbGenerator", 178, 2);
    cbFerrasol = makeProgram("cbFerrasol", t.custom.drawingProgram, 234);
    gbVartel = makeGroup("gbVartel", 254, 2);
    std::array<QGroupBox*, 3> groups{gbQuenzer, gbGenerator, gbVartel};

    cbCompactSolver = new QCheckBox(q(t.custom.compact), gbQuenzer);
    cbCompactSolver->setObjectName("cbCompactSolver");
    cbCompactSolver->setLayoutDirection(Qt::RightToLeft);  // caption left of the box
    cbCompactSolver->setGeometry(8, 4, groupWidth - 16, 20);

    const std::string* labelTexts[languageBoxCount] = {
        &t.custom.mainLanguage, &t.custom.helpLanguage, &t.custom.dictionaryLanguage,
        &t.custom.mainLanguage, &t.custom.helpLanguage, &t.custom.mainLanguage,
        &t.custom.helpLanguage};
    int widestLabel = 0;
    for (int i = 0; i < languageBoxCount; ++i) {
        const BoxPlace& place = boxPlaces[i];
        QGroupBox* group = groups[place.group];
        languageLabels[i] = new QLabel(q(*labelTexts[i]), group);
        languageLabels[i]->setObjectName(place.label);
        languageLabels[i]->adjustSize();
        languageLabels[i]->move(8, 6 + place.row * rowHeight);
        widestLabel = std::max(widestLabel, languageLabels[i]->width());
        languageBoxes[i] = new QComboBox(group);
        languageBoxes[i]->setObjectName(place.box);
    }
    // The boxes start 5 pixels right of the widest label and keep their right edge.
    const int right = groupWidth - 8;
    for (int i = 0; i < languageBoxCount; ++i) {
        const int left = 8 + widestLabel + 5;
        languageBoxes[i]->setGeometry(left, 4 + boxPlaces[i].row * rowHeight, right - left, 22);
    }

    Label7 = new QLabel(q(t.setupType.needed), this);
    Label7->setObjectName("Label7");
    Label8 = new QLabel(q(t.setupType.available), this);
    Label8->setObjectName("Label8");
    lbSizeNeeded = new QLabel(this);
    lbSizeNeeded->setObjectName("lbSizeNeeded");
    lbSizeAvailable = new QLabel(this);
    lbSizeAvailable->setObjectName("lbSizeAvailable");
    const int captionWidth = std::max(Label7->sizeHint().width(), Label8->sizeHint().width());
    Label7->setGeometry(contentLeft, 308, captionWidth, 18);
    Label8->setGeometry(contentLeft, 326, captionWidth, 18);
    lbSizeNeeded->setGeometry(contentLeft + captionWidth + 5, 308, 120, 18);
    lbSizeAvailable->setGeometry(contentLeft + captionWidth + 5, 326, 120, 18);

    setTexts(t.custom.caption, {t.custom.text}, t.buttons);

    connect(cbQuenzor, &QCheckBox::clicked, this,
            [this](bool on) { programClicked(Program::Solver, on); });
    connect(cbTomblix, &QCheckBox::clicked, this,
            [this](bool on) { programClicked(Program::Generator, on); });
    connect(cbFerrasol, &QCheckBox::clicked, this,
            [this](bool on) { programClicked(Program::DrawingProgram, on); });
    connect(cbCompactSolver, &QCheckBox::clicked, this, [this](bool on) {
        wizard_.setCompactTicked(on);
        lbSizeNeeded->setText(q(wizard_.neededText()));
    });
    for (int i = 0; i < languageBoxCount; ++i) {
        connect(languageBoxes[i], &QComboBox::activated, this, [this, i](int index) {
            wizard_.selectLanguage(static_cast<LanguageBox>(i), index);
            showModel();
        });
    }
}

void TfrmCustomSetup::programClicked(Program program, bool ticked) {
    wizard_.setProgramTicked(program, ticked);
    showModel();
}

void TfrmCustomSetup::activated() {
    if (languageBoxes[0]->count() == 0 && wizard_.languageBoxesFilled()) {
        for (QComboBox* box : languageBoxes) {
            for (const LanguageEntry& entry : languageEntries(UiLanguage)) {
                box->addItem(q(entry.name));
            }
        }
    }
    showModel();
}

// Check boxes, enabled groups, combo selections and space labels from the wizard's state.
void TfrmCustomSetup::showModel() {
    const bool solver = wizard_.programTicked(Program::Solver);
    cbQuenzor->setChecked(solver);
    cbTomblix->setChecked(wizard_.programTicked(Program::Generator));
    cbFerrasol->setChecked(wizard_.programTicked(Program::DrawingProgram));
    cbCompactSolver->setChecked(wizard_.compactTicked());
    gbQuenzer->setEnabled(solver);
    gbGenerator->setEnabled(wizard_.programGroupEnabled(Program::Generator));
    gbVartel->setEnabled(wizard_.programGroupEnabled(Program::DrawingProgram));
    for (int i = 0; i < languageBoxCount; ++i) {
        languageBoxes[i]->setCurrentIndex(wizard_.languageIndex(static_cast<LanguageBox>(i)));
    }
    lbSizeNeeded->setText(q(wizard_.neededText()));
    lbSizeAvailable->setText(q(wizard_.availableText()));
}

}  // namespace wizard::pages
