#include "setup/wizard/core/wizardmessages.h"

#include "platform/messages.h"
#include "setup/wizard/core/languages.h"
#include "setup/wizard/core/texts.h"

namespace wizard {

namespace {

std::function<bool(const std::string&)>& germanDialog() {
    static std::function<bool(const std::string&)> dialog;
    return dialog;
}

}  // namespace

void showNoProgramMessage() {
    const MessageText& m = uiTexts().noProgram;
    platform::showMessage(m.text, m.caption);
}

void showNotEnoughSpaceMessage() {
    const MessageText& m = uiTexts().notEnoughSpace;
    platform::showMessage(m.text, m.caption);
}

void showCopyFailureMessage(const std::string& source, const std::string& target) {
    platform::showMessage(copyFailureText(UiLanguage, source, target),
                          uiTexts().copyFailureCaption);
}

bool confirm(const std::string& question) {
    if (knownLanguage(UiLanguage) == German) {
        if (germanDialog()) return germanDialog()(question);
        return platform::showMessage(question, uiTexts().germanDialogCaption,
                                     platform::Icon::Question,
                                     platform::Buttons::YesNo) == platform::Answer::Yes;
    }
    return platform::showMessage(question, "Confirm", platform::Icon::Question,
                                 platform::Buttons::YesNo) == platform::Answer::Yes;
}

void setGermanDialog(std::function<bool(const std::string& question)> dialog) {
    germanDialog() = std::move(dialog);
}

}  // namespace wizard
