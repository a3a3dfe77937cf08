// Spot checks of the build language's texts and messages, as code page 1252 bytes.
#include <gtest/gtest.h>

#include "platform/messages.h"
#include "setup/wizard/core/languages.h"
#include "setup/wizard/core/texts.h"
#include "setup/wizard/core/wizardmessages.h"

namespace wizard {
namespace {

struct Expected {
    LanguageCode language;
    const char* applicationTitle;
    const char* backdropTitle;
    const char* enough;
    const char* productFolder;
    const char* programGroup;
    const char* next;
    const char* destinationNext;
    const char* back;
    const char* exitButton;
    const char* customType;
    const char* drawingProgramBox;
    const char* summaryTypeLabel;
    const char* finish;
    const char* noProgramCaption;
    const char* notEnoughSpaceCaption;
    const char* lastLanguageEntry;
    const char* copyFailure;  // from "a" to "b"
};

// "\xE4" "chste": a hex escape must not swallow the following letters.
const Expected expectedTexts[] = {
    {6, "Installation", "KRYDS OG TV\xC6RS", "Rigeligt", "Kryds Fennix", "Kryds og Tv\xE6rs",
     "&Forts\xE6t >", "&Forts\xE6t >", "< &Tilbage", "&Afslut", "Selvvalgt", "Trelmo",
     "Installations type:", "&Afslut", "Kryds og Tv\xE6rs ", "Kryds og Tv\xE6rs ", "Spansk",
     "Installationen m\xE5 desv\xE6rre afbrydes, da det ikke er muligt at kopiere fra a til b."},
    {7, "SETUP", "KREUZWORTR\xC4TSEL", "Genug", "R\xE4tsel Fennix", "R\xE4tsel", "&Weiter >",
     "&N\xE4"
     "chste >",
     "< &Zur\xFC"
     "ck",
     "&Abbrechen", "Manuell", "Ritzkel", "Der Typ vom Installieren:", "&Beenden",
     "KREUZWORTR\xC4TSEL ", "KREUZWORTR\xC4TSEL", "D\xE4nisch",
     "Die Installation mu\xDF leider abgebrochen werden, da ein Kopierfehler aufgetreten ist."},
    {10, "Instalaci\xF3n", "CRUCIGRAMAS", "Suficiente", "Crucigrama Fennix", "Crucigrama",
     "&Pr\xF3ximo >", "&Pr\xF3ximo >", "< &Atr\xE1s", "&Salir", "Sofisticado", "El Planzor",
     "Tipo del instalaci\xF2n:", "&Terminar", "Crucigramas ", "Crucigramas", "Dan\xE9s",
     "El programa de instalaci\xF3n ha sido interrumpido. Es imposible copiar de a para b."},
    {9, "Setup", "CROSSWORD", "Enough", "Crossword Fennix", "Crossword", "&Next >", "&Next >",
     "< &Back", "E&xit Setup", "Custom", "The Pellomir", "Setup Type:", "&Finish", "Crossword ",
     "CROSSWORD", "Danish",
     "Setup has to stop. Unfortunately it is not possible to copy from a to b."},
};

const Expected& expectedForBuild() {
    for (const Expected& e : expectedTexts) {
        if (e.language == knownLanguage(UiLanguage)) return e;
    }
    return expectedTexts[3];
}

TEST(BuildLanguage, TextsMatchTheTables) {
    const Expected& e = expectedForBuild();
    const WizardTexts& t = uiTexts();
    EXPECT_EQ(t.applicationTitle, e.applicationTitle);
    EXPECT_EQ(t.backdropTitle, e.backdropTitle);
    EXPECT_EQ(t.enough, e.enough);
    EXPECT_EQ(t.defaultProductFolder, e.productFolder);
    EXPECT_EQ(t.defaultProgramGroup, e.programGroup);
    EXPECT_EQ(t.buttons.next, e.next);
    EXPECT_EQ(t.destination.next, e.destinationNext);
    EXPECT_EQ(t.buttons.back, e.back);
    EXPECT_EQ(t.exitDialog.exit, e.exitButton);
    EXPECT_EQ(t.setupType.typeNames[1], e.customType);
    EXPECT_EQ(t.custom.drawingProgram, e.drawingProgramBox);
    EXPECT_EQ(t.summary.typeLabel, e.summaryTypeLabel);
    EXPECT_EQ(t.complete.finish, e.finish);
    EXPECT_EQ(t.noProgram.caption, e.noProgramCaption);
    EXPECT_EQ(t.notEnoughSpace.caption, e.notEnoughSpaceCaption);
    EXPECT_EQ(languageEntries(UiLanguage)[3].name, e.lastLanguageEntry);
    // Own language first, then English (an English build lists German second).
    EXPECT_EQ(languageEntries(UiLanguage)[1].code,
              knownLanguage(UiLanguage) == English ? German : English);
    EXPECT_EQ(languageEntries(UiLanguage)[0].code, knownLanguage(UiLanguage));
    EXPECT_EQ(copyFailureText(UiLanguage, "a", "b"), e.copyFailure);
}

TEST(AllLanguages, QuirksKeptAsWritten) {
    // Double spaces, odd spellings and the Danish empty line belong to the texts.
    EXPECT_EQ(wizardTexts(Danish).notEnoughSpace.text.find("programmer.\n\nV\xE6lg derfor"),
              std::string("Der er ikke nok plads p\xE5 det angivne drev, til at installere de "
                          "valgte ")
                  .size());
    EXPECT_NE(wizardTexts(Spanish).exitDialog.lines[4].find("Pulse  \"Salir\""), std::string::npos);
    EXPECT_NE(wizardTexts(English).setupType.descriptions[0].find("Recomended for most"),
              std::string::npos);
    EXPECT_EQ(wizardTexts(German).welcome.lines.size(), 7u);
    EXPECT_EQ(wizardTexts(English).complete.lines,
              (Lines{"The crossword program is now installed to your computer.", "",
                     "You may launch the applications by selecting the new icons installed. Do "
                     "this through the Start Menu.",
                     "", "", "", "Click Finish to complete Setup."}));
    EXPECT_EQ(wizardTexts(42).backdropTitle, "CROSSWORD");  // unknown codes are English
    EXPECT_EQ(languageOfEntry(Danish, -1), English);
    EXPECT_EQ(languageOfEntry(German, 3), Danish);
}

TEST(BuildLanguage, MessagesUseTheirCaptions) {
    platform::MessageRecorder recorder;
    platform::ScopedMessageService scoped(recorder);
    const WizardTexts& t = uiTexts();
    showNoProgramMessage();
    showNotEnoughSpaceMessage();
    showCopyFailureMessage("a", "b");
    ASSERT_EQ(recorder.shown.size(), 3u);
    EXPECT_EQ(recorder.shown[0].caption, t.noProgram.caption);
    EXPECT_EQ(recorder.shown[1].text, t.notEnoughSpace.text);
    EXPECT_EQ(recorder.shown[2].caption, t.copyFailureCaption);
    EXPECT_EQ(recorder.shown[2].text, expectedForBuild().copyFailure);
    for (const auto& shown : recorder.shown) EXPECT_EQ(shown.buttons, platform::Buttons::Ok);
}

TEST(BuildLanguage, ConfirmationAsksYesOrNo) {
    platform::MessageRecorder recorder;
    platform::ScopedMessageService scoped(recorder);
    recorder.answers = {platform::Answer::No, platform::Answer::Yes};
    EXPECT_FALSE(confirm("Overwrite?"));
    EXPECT_TRUE(confirm("Overwrite?"));
    ASSERT_EQ(recorder.shown.size(), 2u);
    EXPECT_EQ(recorder.shown[0].buttons, platform::Buttons::YesNo);
    EXPECT_EQ(recorder.shown[0].text, "Overwrite?");
    if (knownLanguage(UiLanguage) == German) {
        EXPECT_EQ(recorder.shown[0].caption, "Best\xE4tigung");
        std::string asked;
        setGermanDialog([&](const std::string& q) {
            asked = q;
            return true;
        });
        EXPECT_TRUE(confirm("Frage?"));
        EXPECT_EQ(asked, "Frage?");
        setGermanDialog({});
    }
}

}  // namespace
}  // namespace wizard
