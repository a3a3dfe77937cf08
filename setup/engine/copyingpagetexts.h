#pragma once
// The copying page's caption and its one line of text, per language (code page 1252).
#include <string>

#include "setup/wizard/setupchoices.h"

namespace engine {

struct CopyingPageTexts {
    std::string caption;
    std::string text;
};

CopyingPageTexts copyingPageTexts(wizard::LanguageCode uiLanguage);

}  // namespace engine
