#pragma once
// Every text the wizard shows, per language, as code page 1252 bytes. Multi-line texts are
// lists of lines for a page's text area; an empty string is an empty line.
#include <array>
#include <string>
#include <vector>

#include "setup/wizard/setupchoices.h"

namespace wizard {

using Lines = std::vector<std::string>;

struct ButtonTexts {
    std::string next, cancel, back;
};

struct MessageText {
    std::string caption, text;
};

struct WizardTexts {
    std::string applicationTitle;  // the title the welcome page gives the application
    std::string backdropTitle;
    std::string enough;  // shown instead of a free-space figure above 1000 Mb
    std::string defaultProductFolder;
    std::string defaultProgramGroup;
    ButtonTexts buttons;

    MessageText noProgram;
    MessageText notEnoughSpace;
    std::string copyFailureCaption;

    struct {
        std::string caption, resume, exit;
        Lines lines;
    } exitDialog;

    struct {
        std::string caption;
        Lines lines;
    } welcome;

    struct {
        std::string caption, group, browse, next;
        Lines lines;
    } destination;

    struct {
        std::string caption, ok, cancel, instruction, pathLabel, folderNameLabel, folderListLabel,
            driveLabel, freeSpaceLabel;
    } chooser;

    struct {
        std::string caption, group, destinationGroup, browse, needed, available;
        std::array<std::string, 3> typeNames;  // Typical, Custom, Compact
        std::array<std::string, 3> descriptions;
    } setupType;

    struct {
        std::string caption, text, solver, generator, drawingProgram, compact, mainLanguage,
            helpLanguage, dictionaryLanguage;
    } custom;

    struct {
        std::string caption, nameLabel, listLabel;
        Lines lines;
    } programGroup;

    struct {
        std::string caption, heading, typeLabel, directoryLabel, folderLabel;
        Lines lines;
    } summary;

    struct {
        std::string caption, finish;
        Lines lines;
    } complete;

    std::string germanDialogCaption, germanYes, germanNo;
};

// The texts of `language` (codes other than 6, 7, 10 give English).
const WizardTexts& wizardTexts(LanguageCode language);

// The texts of the build language.
inline const WizardTexts& uiTexts() { return wizardTexts(UiLanguage); }

// The copy-failure message text for a source and target path (1252 bytes).
std::string copyFailureText(LanguageCode language, const std::string& source,
                            const std::string& target);

}  // namespace wizard
