#pragma once
// Language switches of the engine: every language-dependent choice is a switch on a code with
// the cases Danish, German and Spanish; anything else is English.
#include "setup/wizard/core/languages.h"

namespace engine {

using wizard::byLanguage;
using wizard::LanguageCode;

enum class Lang { Danish, German, Spanish, English };

constexpr Lang langOf(LanguageCode code) {
    return byLanguage(code, Lang::Danish, Lang::German, Lang::Spanish, Lang::English);
}

// One bit per language, for the manifest's language sets.
enum LangBits : unsigned { Da = 1, De = 2, Es = 4, En = 8, AllLanguages = 15 };

constexpr unsigned langBit(LanguageCode code) { return byLanguage<unsigned>(code, Da, De, Es, En); }

}  // namespace engine
