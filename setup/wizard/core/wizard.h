#pragma once
// The wizard's flow without windows: the page stack with its Back/Next transitions, the state
// every page keeps between visits, and the one SetupChoices record. The Qt pages show this
// state and forward the user's actions; tests and the silent mode drive it directly.
#include <array>
#include <string>
#include <vector>

#include "setup/wizard/core/copyingstep.h"
#include "setup/wizard/core/texts.h"
#include "setup/wizard/core/wizardsystem.h"
#include "setup/wizard/setupchoices.h"

namespace wizard {

enum class Page {
    Welcome,
    Destination,
    SetupType,
    Custom,
    ProgramGroup,
    Summary,
    Copying,
    Complete
};

// Items of the setup-type radio group, in order.
enum class SetupType { Typical = 0, Custom = 1, Compact = 2 };

// The custom page's program check boxes.
enum class Program { Solver, Generator, DrawingProgram };

// The custom page's seven language combo boxes.
enum class LanguageBox {
    SolverMain,
    SolverHelp,
    SolverDictionary,
    GeneratorMain,
    GeneratorHelp,
    DrawingMain,
    DrawingHelp,
};
inline constexpr int languageBoxCount = 7;

class Wizard {
public:
    // Sets the default destination (the program files folder + the language's product folder),
    // as the destination page does when it is made. `system` must outlive the wizard.
    explicit Wizard(const WizardSystem& system = systemWizardSystem());

    SetupChoices& choices() { return choices_; }
    const SetupChoices& choices() const { return choices_; }
    const WizardSystem& system() const { return system_; }

    // --- the page stack ---
    // Shows the welcome page (the backdrop becoming active).
    void start();
    // The page in front; Welcome before start() as well.
    Page current() const { return stack_.empty() ? Page::Welcome : stack_.back(); }
    // The open pages, bottom first.
    const std::vector<Page>& stack() const { return stack_; }
    void next();
    void back();
    // "Exit Setup" in the cancel dialog.
    void exitSetup() { ended_ = true; }
    // Finish on the completion page, or its window closed.
    void finish();
    bool ended() const { return ended_; }
    // True only when the wizard ended through the completion page.
    bool finished() const { return finished_; }
    // Whether `page` offers Cancel (and so the Escape key).
    static bool hasCancel(Page page);

    // --- setup-type page ---
    SetupType setupType() const { return setupType_; }
    // The radio button changing: writes the program flags when the page is in front.
    void selectSetupType(SetupType type);

    // --- custom page ---
    bool programTicked(Program program) const { return ticked_[static_cast<int>(program)]; }
    void setProgramTicked(Program program, bool ticked);
    bool compactTicked() const { return compactTicked_; }
    void setCompactTicked(bool ticked);
    // Whether the boxes of a program's group (and the solver's compact box) are enabled.
    bool programGroupEnabled(Program program) const { return programTicked(program); }
    // The four entries of every combo box; filled on the custom page's first activation.
    bool languageBoxesFilled() const { return boxesFilled_; }
    // Selected entry index of a box; -1 before the boxes are filled.
    int languageIndex(LanguageBox box) const { return boxIndex_[static_cast<int>(box)]; }
    // The generator's and the drawing program's four boxes move together.
    void selectLanguage(LanguageBox box, int index);

    // --- program-group page ---
    const std::string& programFolderField() const { return folderField_; }
    void setProgramFolderField(const std::string& text) { folderField_ = text; }
    // The existing program groups, read on the page's first activation.
    const std::vector<std::string>& existingGroups() const { return existingGroups_; }
    // Double-click on the list: copies the entry into the folder field; -1 (none) does nothing.
    void chooseExistingGroup(int index);

    // --- summary page ---
    // The eight lines of the settings box.
    Lines summaryLines() const;
    // Without a copying step the summary's Next does nothing.
    void setCopyingStep(CopyingStep* step) { copyingStep_ = step; }
    bool canStartCopying() const { return copyingStep_ != nullptr; }

    // --- space, as the pages show it ---
    double neededSpaceMb() const;
    std::string neededText() const;
    std::string availableText() const;
    std::string shortDestination() const;

    // --- destination ---
    void setDestination(const std::string& directory, const std::string& name);

private:
    void show(Page page);
    void backTo(Page page);
    void activate(Page page);
    void applySetupType();
    void readCustomChoice();
    bool setupTypeNext();
    bool customNext();
    bool spaceSuffices() const;

    const WizardSystem& system_;
    SetupChoices choices_;
    std::vector<Page> stack_;
    bool ended_ = false;
    bool finished_ = false;

    SetupType setupType_ = SetupType::Typical;

    std::array<bool, 3> ticked_{true, true, true};
    bool compactTicked_ = false;
    bool boxesFilled_ = false;
    std::array<int, languageBoxCount> boxIndex_{-1, -1, -1, -1, -1, -1, -1};

    std::string folderField_;
    bool groupsRead_ = false;
    std::vector<std::string> existingGroups_;

    CopyingStep* copyingStep_ = nullptr;
};

}  // namespace wizard
