#pragma once
// Language switches of the engine: every language-dependent choice is a switch on a code with
// the cases Danish, German and Spanish; anything else is English.
#include "setup/wizard/setupchoices.h"

namespace engine {

using wizard::LanguageCode;

enum class Lang { Danish, German, Spanish, English };

constexpr Lang langOf(LanguageCode code) {
    switch (code) {
        case 6:
            return Lang::Danish;
        case 7:
            return Lang::German;
        case 10:
            return Lang::Spanish;
        default:
            return Lang::English;
    }
}

// Picks one of four values by language, in the order Danish, German, Spanish, English.
template <typename T>
constexpr T byLanguage(LanguageCode code, T da, T de, T es, T en) {
    switch (langOf(code)) {
        case Lang::Danish:
            return da;
        case Lang::German:
            return de;
        case Lang::Spanish:
            return es;
        default:
            return en;
    }
}

// One bit per language, for the manifest's language sets.
enum LangBits : unsigned { Da = 1, De = 2, Es = 4, En = 8, AllLanguages = 15 };

constexpr unsigned langBit(LanguageCode code) {
    switch (langOf(code)) {
        case Lang::Danish:
            return Da;
        case Lang::German:
            return De;
        case Lang::Spanish:
            return Es;
        default:
            return En;
    }
}

}  // namespace engine
