#pragma once
// Language codes as the wizard and the engine switch on them.
#include <array>
#include <string>

#include "setup/wizard/setupchoices.h"

namespace wizard {

inline constexpr LanguageCode Danish = 6;
inline constexpr LanguageCode German = 7;
inline constexpr LanguageCode English = 9;
inline constexpr LanguageCode Spanish = 10;

// 6, 7 and 10 stay; every other code behaves as English (9).
constexpr LanguageCode knownLanguage(LanguageCode code) {
    return code == Danish || code == German || code == Spanish ? code : English;
}

// Picks one of four values by language, in the order Danish, German, Spanish, English.
template <typename T>
constexpr T byLanguage(LanguageCode code, T da, T de, T es, T en) {
    switch (knownLanguage(code)) {
        case Danish:
            return da;
        case German:
            return de;
        case Spanish:
            return es;
        default:
            return en;
    }
}

// One entry of a language combo box: the name in the wizard's language and the code it means.
struct LanguageEntry {
    std::string name;  // code page 1252
    LanguageCode code;
};

// The four entries of every language combo box for the wizard language `ui`: its own language
// first, English second, then the two others.
const std::array<LanguageEntry, 4>& languageEntries(LanguageCode ui);

// The code an entry index stands for; an index outside 0..3 (no selection) stands for English.
LanguageCode languageOfEntry(LanguageCode ui, int index);

}  // namespace wizard
