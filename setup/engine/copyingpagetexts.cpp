#include "setup/engine/copyingpagetexts.h"

#include "setup/engine/language.h"

namespace engine {

CopyingPageTexts copyingPageTexts(wizard::LanguageCode uiLanguage) {
    switch (langOf(uiLanguage)) {
        case Lang::Danish:
            return {"Installations-processen er i gang",
                    "Vent venligst mens Kryds og Tv\xE6rs programmet er ved at blive installeret "
                    "p\xE5 din computer (det kan tage op til 15-20 minutter)."};
        case Lang::German:
            return {"SETUP ist gestartet",
                    "KREUZWORTR\xC4TSEL  wird gerade auf Ihrem Computer installiert. Bitte haben "
                    "Sie einen Moment Geduld."};
        case Lang::Spanish:
            return {"El programa de instalaci\xF3n est\xE1 copiando archivos",
                    "Por Favor, espere a que el programa de Crucigramas sea  instalado en su "
                    "ordenador (es posible que el proceso de instalaci\xF3n dure de 15 a 20 "
                    "minutos)."};
        default:
            return {"The Setup program is copying files",
                    "Please wait while the crossword programs is installed to your computer (it "
                    "can take up to 15-20 minutes)."};
    }
}

}  // namespace engine
