#include "setup/wizard/core/wizard.h"

#include <algorithm>

#include "setup/wizard/core/destination.h"
#include "setup/wizard/core/languages.h"
#include "setup/wizard/core/wizardmessages.h"

namespace wizard {

namespace {

bool isGermanBuild() { return knownLanguage(UiLanguage) == German; }

bool movesTogether(LanguageBox box) {
    return box == LanguageBox::GeneratorMain || box == LanguageBox::GeneratorHelp ||
           box == LanguageBox::DrawingMain || box == LanguageBox::DrawingHelp;
}

}  // namespace

Wizard::Wizard(const WizardSystem& system) : system_(system) {
    // The backdrop sets the two program languages; the destination page the default place;
    // the program-group page its default name.
    choices_.generatorLanguage = UiLanguage;
    choices_.drawingProgramLanguage = UiLanguage;
    setDestination(system_.programFilesFolder(), uiTexts().defaultProductFolder);
    folderField_ = uiTexts().defaultProgramGroup;
}

void Wizard::start() {
    stack_.clear();
    show(Page::Welcome);
}

bool Wizard::hasCancel(Page page) {
    switch (page) {
        case Page::Welcome:
        case Page::Destination:
        case Page::SetupType:
        case Page::Custom:
        case Page::ProgramGroup:
        case Page::Summary:
            return true;
        default:
            return false;
    }
}

void Wizard::show(Page page) {
    stack_.push_back(page);
    activate(page);
}

// Back returns to the page still open below; when the page is not on the stack (the program
// group reached from the destination page goes back to the setup type) it replaces the
// current page.
void Wizard::backTo(Page page) {
    auto it = std::find(stack_.begin(), stack_.end(), page);
    if (it != stack_.end()) {
        stack_.erase(it + 1, stack_.end());
    } else {
        stack_.pop_back();
        stack_.push_back(page);
    }
    activate(page);
}

void Wizard::activate(Page page) {
    switch (page) {
        case Page::SetupType:
            applySetupType();
            break;
        case Page::Custom:
            if (!boxesFilled_) {
                readCustomChoice();
                boxIndex_.fill(0);
                boxesFilled_ = true;
                choices_.solverMainLanguage = UiLanguage;
                choices_.solverHelpLanguage = UiLanguage;
                choices_.solverDictionaryLanguage = UiLanguage;
            }
            break;
        case Page::ProgramGroup:
            if (!groupsRead_) {
                groupsRead_ = true;
                choices_.startMenuPrograms = system_.startMenuProgramsFolder();
                if (choices_.startMenuPrograms.empty() ||
                    choices_.startMenuPrograms.back() != system_.separator()) {
                    choices_.startMenuPrograms += system_.separator();
                }
                existingGroups_ = system_.subfolders(choices_.startMenuPrograms);
            }
            break;
        default:
            break;
    }
}

void Wizard::next() {
    if (ended_ || stack_.empty()) return;
    switch (current()) {
        case Page::Welcome:
            show(isGermanBuild() ? Page::SetupType : Page::Destination);
            break;
        case Page::Destination:
            choices_.installSolver = false;
            choices_.solverCompact = false;
            choices_.installGenerator = false;
            choices_.installDrawingProgram = true;
            choices_.drawingProgramLanguage = UiLanguage;
            choices_.generatorLanguage = UiLanguage;
            choices_.solverHelpLanguage = UiLanguage;
            choices_.solverMainLanguage = UiLanguage;
            choices_.solverDictionaryLanguage = UiLanguage;
            show(Page::ProgramGroup);
            break;
        case Page::SetupType:
            if (setupTypeNext()) {
                show(setupType_ == SetupType::Custom ? Page::Custom : Page::ProgramGroup);
            }
            break;
        case Page::Custom:
            if (customNext()) show(Page::ProgramGroup);
            break;
        case Page::ProgramGroup:
            choices_.programFolder = folderField_;
            show(Page::Summary);
            break;
        case Page::Summary:
            if (!copyingStep_) break;
            show(Page::Copying);
            if (copyingStep_->run(choices_)) {
                show(Page::Complete);
            } else {
                ended_ = true;
            }
            break;
        case Page::Complete:
            finish();
            break;
        case Page::Copying:
            break;
    }
}

void Wizard::back() {
    if (ended_ || stack_.empty()) return;
    switch (current()) {
        case Page::Destination:
            backTo(Page::Welcome);
            break;
        case Page::SetupType:
            backTo(isGermanBuild() ? Page::Welcome : Page::Destination);
            break;
        case Page::Custom:
            backTo(Page::SetupType);
            break;
        case Page::ProgramGroup:
            choices_.programFolder = folderField_;
            backTo(setupType_ == SetupType::Custom ? Page::Custom : Page::SetupType);
            break;
        case Page::Summary:
            backTo(Page::ProgramGroup);
            break;
        default:
            break;  // the welcome, copying and completion pages have no Back
    }
}

void Wizard::finish() {
    ended_ = true;
    finished_ = true;
}

bool Wizard::setupTypeNext() {
    choices_.solverMainLanguage = UiLanguage;
    choices_.solverHelpLanguage = UiLanguage;
    choices_.solverDictionaryLanguage = UiLanguage;
    if (setupType_ == SetupType::Custom) return true;  // the custom page checks the space
    if (!spaceSuffices()) {
        showNotEnoughSpaceMessage();
        return false;
    }
    return true;
}

bool Wizard::customNext() {
    if (!spaceSuffices()) {
        showNotEnoughSpaceMessage();
        return false;
    }
    if (std::none_of(ticked_.begin(), ticked_.end(), [](bool t) { return t; })) {
        showNoProgramMessage();
        return false;
    }
    auto code = [&](LanguageBox box) { return languageOfEntry(UiLanguage, languageIndex(box)); };
    choices_.solverMainLanguage = code(LanguageBox::SolverMain);
    choices_.solverDictionaryLanguage = code(LanguageBox::SolverDictionary);
    choices_.solverHelpLanguage = code(LanguageBox::SolverHelp);
    choices_.generatorLanguage = code(LanguageBox::GeneratorMain);
    choices_.drawingProgramLanguage = code(LanguageBox::DrawingMain);
    return true;
}

bool Wizard::spaceSuffices() const {
    return enoughSpace(system_.freeSpaceMb(choices_), neededSpaceMb());
}

void Wizard::selectSetupType(SetupType type) {
    setupType_ = type;
    if (current() == Page::SetupType) applySetupType();
}

void Wizard::applySetupType() {
    switch (setupType_) {
        case SetupType::Typical:
        case SetupType::Compact:
            choices_.installSolver = true;
            choices_.solverCompact = setupType_ == SetupType::Compact;
            choices_.installGenerator = true;
            choices_.installDrawingProgram = true;
            break;
        case SetupType::Custom:
            readCustomChoice();
            break;
    }
}

void Wizard::readCustomChoice() {
    choices_.installSolver = programTicked(Program::Solver);
    choices_.solverCompact = programTicked(Program::Solver) && compactTicked_;
    choices_.installGenerator = programTicked(Program::Generator);
    choices_.installDrawingProgram = programTicked(Program::DrawingProgram);
}

void Wizard::setProgramTicked(Program program, bool ticked) {
    ticked_[static_cast<int>(program)] = ticked;
    readCustomChoice();
}

void Wizard::setCompactTicked(bool ticked) {
    compactTicked_ = ticked;
    readCustomChoice();
}

void Wizard::selectLanguage(LanguageBox box, int index) {
    boxIndex_[static_cast<int>(box)] = index;
    if (!movesTogether(box)) return;
    for (LanguageBox other : {LanguageBox::GeneratorMain, LanguageBox::GeneratorHelp,
                              LanguageBox::DrawingMain, LanguageBox::DrawingHelp}) {
        boxIndex_[static_cast<int>(other)] = index;
    }
}

void Wizard::chooseExistingGroup(int index) {
    if (index < 0 || index >= static_cast<int>(existingGroups_.size())) return;
    folderField_ = existingGroups_[index];
}

Lines Wizard::summaryLines() const {
    const WizardTexts& t = uiTexts();
    return {t.summary.typeLabel,
            "   " + t.setupType.typeNames[static_cast<int>(setupType_)],
            "",
            t.summary.directoryLabel,
            "   " + choices_.destinationBase + choices_.productFolder,
            "",
            t.summary.folderLabel,
            "   " + choices_.programFolder};
}

double Wizard::neededSpaceMb() const { return wizard::neededSpaceMb(choices_, system_.probes()); }

std::string Wizard::neededText() const { return formatNeededSpace(neededSpaceMb()); }

std::string Wizard::availableText() const {
    return wizard::availableText(system_.freeSpaceMb(choices_), uiTexts().enough);
}

std::string Wizard::shortDestination() const {
    return wizard::shortDestination(choices_, 30, system_.separator());
}

void Wizard::setDestination(const std::string& directory, const std::string& name) {
    wizard::setDestination(choices_, directory, name, system_.separator(),
                           system_.currentDirectory());
}

}  // namespace wizard
