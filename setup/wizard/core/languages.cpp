#include "setup/wizard/core/languages.h"

#include "platform/cp1252.h"

namespace wizard {

namespace {

std::array<LanguageEntry, 4> entries(const char* const (&names)[4],
                                     const LanguageCode (&codes)[4]) {
    std::array<LanguageEntry, 4> result;
    for (int i = 0; i < 4; ++i) result[i] = {platform::utf8ToCp1252(names[i]), codes[i]};
    return result;
}

}  // namespace

const std::array<LanguageEntry, 4>& languageEntries(LanguageCode ui) {
    static const auto danish =
        entries({"Dansk", "Engelsk", "Tysk", "Spansk"}, {Danish, English, German, Spanish});
    static const auto german =
        entries({"Deutsch", "Englisch", "Spanisch", "Dänisch"}, {German, English, Spanish, Danish});
    static const auto spanish =
        entries({"Castellano", "Inglés", "Alemán", "Danés"}, {Spanish, English, German, Danish});
    static const auto english =
        entries({"English", "German", "Spanish", "Danish"}, {English, German, Spanish, Danish});
    return byLanguage<const std::array<LanguageEntry, 4>&>(ui, danish, german, spanish, english);
}

LanguageCode languageOfEntry(LanguageCode ui, int index) {
    if (index < 0 || index > 3) return English;
    return languageEntries(ui)[index].code;
}

}  // namespace wizard
