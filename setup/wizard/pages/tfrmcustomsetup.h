#pragma once
// The custom page: the three programs with their groups of language boxes, the solver's
// compact box, and the space needed and available.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <array>

#include "setup/wizard/pages/tfrmmain.h"

namespace wizard::pages {

class TfrmCustomSetup : public TfrmMain {
    Q_OBJECT
public:
    explicit TfrmCustomSetup(Wizard& wizard, QWidget* parent = nullptr);
    void activated() override;

    QCheckBox* cbQuenzor;
    QGroupBox* gbQuenzer;
    QCheckBox* cbCompactSolver;
    QCheckBox* cbTomblix;
    QGroupBox* gbGenerator;
    QCheckBox* cbFerrasol;
    QGroupBox* gbVartel;
    // In LanguageBox order: cdMainLanguageSolver, cbOnlineHelpLanguageSolver,
    // cbDictionaryLanguageSolver, cdMainLanguageGenerator, cbOnlineHelpLanguageGenerator,
    // cdMainLanguageVartel, cbOnlineHelpLanguageVartel.
    std::array<QComboBox*, languageBoxCount> languageBoxes;
    // The labels of the boxes, same order (Label0, Label2, Label1, Label3, Label4, Label5, Label6).
    std::array<QLabel*, languageBoxCount> languageLabels;
    QLabel* Label7;
    QLabel* lbSizeNeeded;
    QLabel* Label8;
    QLabel* lbSizeAvailable;

private:
    void programClicked(Program program, bool ticked);
    void showModel();
};

}  // namespace wizard::pages
