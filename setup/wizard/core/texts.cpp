#include "setup/wizard/core/texts.h"

#include <initializer_list>

#include "platform/cp1252.h"
#include "setup/wizard/core/languages.h"

// The tables are written in UTF-8 for legibility and kept as code page 1252 bytes.
namespace wizard {

namespace {

std::string T(const char* utf8) { return platform::utf8ToCp1252(utf8); }

Lines L(std::initializer_list<const char*> utf8Lines) {
    Lines lines;
    for (const char* line : utf8Lines) lines.push_back(T(line));
    return lines;
}

void setCommon(WizardTexts& t) {
    t.chooser.ok = "&OK";
    t.germanDialogCaption = T("Bestätigung");
    t.germanYes = "&Ja";
    t.germanNo = "&Nein";
}

WizardTexts danishTexts() {
    WizardTexts t;
    setCommon(t);
    t.applicationTitle = "Installation";
    t.backdropTitle = T("KRYDS OG TVÆRS");
    t.enough = "Rigeligt";
    t.defaultProductFolder = "Kryds Fennix";
    t.defaultProgramGroup = T("Kryds og Tværs");
    t.buttons = {T("&Fortsæt >"), "&Afbryd", "< &Tilbage"};
    t.noProgram = {T("Kryds og Tværs "),
                   T("Du skal vælge mindst et program, som du vil installere inden du kan gå "
                     "videre.")};
    t.notEnoughSpace = {T("Kryds og Tværs "),
                        T("Der er ikke nok plads på det angivne drev, til at installere de valgte "
                          "programmer.\n\nVælg derfor kompakt installation, eller angiv et drev "
                          "med mere fri plads.")};
    t.copyFailureCaption = "Advarsel";
    t.exitDialog = {
        "Afbryd installationen", T("&Fortsæt"), "&Afslut",
        L({"Installationen af Kryds og Tværs programmerne er ikke færdig. Hvis du forlader "
           "installations programmet nu, vil du ikke kunne bruge Kryds og Tværs programmerne.",
           "",
           "Hvis du forlader installationen, kan du altid vende tilbage på et senere tidspunkt, "
           "for at færdiggøre installaionen af Kryds og Tværs programmerne.",
           "",
           "Klik med venstre museknap på Fortsæt-knappen for at fortsætte installationen. Klik på "
           "Afslut-knappen for at forlade installations-programmet."})};
    t.welcome = {
        T("Installation af Kryds og Tværs Programmer"),
        L({"Velkommen. Dette program vil hjælpe dig med at installere Kryds og Tværs Programmer "
           "på din computer.",
           "",
           "Inden du fortsætter med denne installation, er det bedst, hvis du lukker alle andre "
           "Windows programmer.",
           "",
           "Klik med venstre museknap på Afbryd-knappen for at forlade dette installationsprogram. "
           "Klik på Fortsæt-knappen hvis du ønsker at fortsætte."})};
    t.destination = {
        T("Udpeg plads på harddisk"), T("Udpeg plads på harddisk"), "Gennemse...", t.buttons.next,
        L({"Installations-programmet vil lægge Kryds og Tværs programmerne ind på din computer, "
           "i det bibliotek der er angivet nedenfor.",
           "",
           "Hvis du er tilnreds hermed, skal du bare klikke med venstre museknap på "
           "Fortsæt-knappen.",
           "",
           "Hvis du ønsker at installere Kryds og Tværs programmet i et andet bibliotek, skal du "
           "klikke på Browse-knappen for at angive et nyt bibliotek."})};
    t.chooser.caption = T("Vælg bibliotek");
    t.chooser.cancel = "&Annuller";
    t.chooser.instruction =
        T("Du skal nu angive hvor på din harddisk, du ønsker at Kryds og Tværs programmerne skal "
          "installeres.");
    t.chooser.pathLabel = "Sti:";
    t.chooser.folderNameLabel = T("Kryds og Tværs mappe:");
    t.chooser.folderListLabel = "Bibliotek:";
    t.chooser.driveLabel = "Drev:";
    t.chooser.freeSpaceLabel = T("Plads til rådighed:");
    t.setupType = {
        "Type af installation",
        T("Vælg installation"),
        T("Udpeg plads på harddisk"),
        "B&rowse...",
        T("Plads nødvendig:"),
        T("Plads på harddisk ialt:"),
        {"Typisk", "Selvvalgt", "Kompakt"},
        {T("Her installerer du programmerne med standard opsætning. Dette anbefales for de "
           "fleste."),
         T("Her kan du selv vælge hvordan programmerne installeres. Dette anbefales kun for "
           "rutinerede brugere."),
         T("Her installerer du programmerne så der optages mindst mulig plads på harddisken.")}};
    t.custom = {T("Vælg programmer"),
                T("Vælg de programmer du ønsker at installere:"),
                T("Løser"),
                "Holmask",
                "Trelmo",
                "Kompakt installation:",
                "Programmets hovedsprog:",
                T("Sprog for hjælpefiler:"),
                T("Primært sprog for ordbog:")};
    t.programGroup = {
        T("Vælg Program Mappe"), "Program Mappe:", "Eksisterende Program Mapper:",
        L({"Installations-programmet vil oprette program ikoner i program mappen angivet "
           "nedenfor. Hvis du er tilfreds hermed så klik med venstre museknap på "
           "Fortsæt-knappen.",
           "",
           "Ellers kan du indtaste et nyt navn på program mappen, eller du kan vælge en fra "
           "nedenstående liste over eksisterende program mapper."})};
    t.summary = {
        T("Færdiggør Installation"),
        "Valgte indstillinger:",
        "Installations type:",
        "Installeres i biblioteket:",
        T("Programikoner lægges i folderen:"),
        L({"Installations-programmet er nu klar til at færdiggøre installationen. Hvis du ønsker "
           "at ændre de valgte indstillinger, så klik med venstre museknap på Tilbage-knappen. "
           "Hvis du tilfreds med de valgte indstillinger, skal du klikke med musen på "
           "Fortsæt-knappen."})};
    t.complete = {
        "Installationen er fuldendt", "&Afslut",
        L({"Kryds og Tværs programmet er nu installeret på din computer.", "",
           "Du kan starte Kryds og Tværs programmerne ved at dobbelt-klikke med venstre museknap "
           "på en af nye ikoner, der nu er installeret.",
           "", "", "",
           "Klik med musen på Afslut-knappen for at afslutte installations-programmet."})};
    return t;
}

WizardTexts germanTexts() {
    WizardTexts t;
    setCommon(t);
    t.applicationTitle = "SETUP";
    t.backdropTitle = T("KREUZWORTRÄTSEL");
    t.enough = "Genug";
    t.defaultProductFolder = T("Rätsel Fennix");
    t.defaultProgramGroup = T("Rätsel");
    t.buttons = {"&Weiter >", "&Abbrechen", T("< &Zurück")};
    t.noProgram = {T("KREUZWORTRÄTSEL "),
                   T("Sie müssen mindestens ein Programm oder mehr auswählen, um die "
                     "Installation fortzuführen.")};
    t.notEnoughSpace = {T("KREUZWORTRÄTSEL"),
                        T("Es gibt nicht genügend Speicherplatz auf Ihrer Festplatte. Wählen Sie "
                          "deshalb die kompakte Installation oder richten Sie auf Ihrer "
                          "Festplatte mehr Speicherkapazität ein.")};
    t.copyFailureCaption = "Warnung";
    t.exitDialog = {
        "SETUP abbrechen", "&Fortsetzen >", "&Abbrechen",
        L({"SETUP wurde nicht abgeschlossen. Wenn Sie SETUP jetzt verlassen, wird "
           "KREUZWORTRÄTSEL nicht installiert.",
           "", "Klicken Sie auf 'Abbrechen', wenn Sie das SETUP verlassen möchten.",
           "Klicken Sie auf 'Fortsetzen', wenn Sie zur Installation zurückkehren wollen."})};
    t.welcome = {
        "SETUP",
        L({"Willkommen zur KREUZWORTRÄTSEL Installation.", "",
           "Es wird empfohlen, daß Sie alle Windows Programme beenden, bevor Sie SETUP "
           "fortsetzen. Über ALT + TAB können Sie zwischen den Programmen wechseln. Sichern Sie "
           "Ihre Arbeit und beenden Sie die geöffneten Anwendungen.",
           "", "", "",
           "Um die Installation fortzusetzen, klicken Sie auf 'Weiter'. Mit 'Abbrechen' "
           "verlassen Sie das Installationsprogramm."})};
    t.destination = {
        "Platz auf der Festplatte angeben", "Platz auf der Festplatte angeben", "B&rowse...",
        T("&Nächste >"),
        L({"Das Installationsprogramm wird den Kreuzworträtselprogram auf Ihren Computer "
           "einlegen. In die Bibliothek die unten angegeben ist.",
           "",
           "Wenn es da ist, sollen Sie bloß mit der linken Maustaste auf die 'Nächste'-Taste "
           "klicken.",
           "",
           "Wenn Sie wünschen den Kreuzworträtselprogram in eine andere Bibliothek zu "
           "installieren, müssen Sie auf die 'Browse'-Taste klicken um eine neue Bibliothek "
           "anzugeben."})};
    t.chooser.caption = T("Bibliothek wählen");
    t.chooser.cancel = "&Abbrechen";
    t.chooser.instruction =
        T("Geben Sie an, wo auf der Festplatte KREUZWORTRÄTSEL installiert werden soll.");
    t.chooser.pathLabel = "Pfad:";
    t.chooser.folderNameLabel = T("Rätsel ordner:");
    t.chooser.folderListLabel = "Bibliothek:";
    t.chooser.driveLabel = "Laufwerk:";
    t.chooser.freeSpaceLabel = "Vorhandener Speicherplatz:";
    t.setupType = {
        "SETUP Type",
        T("Wählen Sie die Installation"),
        "Zielverzeichnis",
        "&Durchsuchen...",
        T("Benötigter Speicherplatz:"),
        "Vorhandener Speicherplatz:",
        {"Typisch", "Manuell", "Kompakt"},
        {T("Das Programm wird mit den gängigen Anwendungen installiert. Für die meisten "
           "Benutzer empfohlen."),
         T("Hier legen Sie die zu installierenden Optionen selbst fest. Für erfahrene Benutzer "
           "empfohlen."),
         T("Das Programm wird mit den minimal benötigten Optionen installiert.")}};
    t.custom = {T("SETUP wählen"),
                T("Wählen Sie die Programme, die Sie installieren möchten:"),
                T("Löser"),
                "Generator",
                "Ritzkel",
                "Kompakt:",
                "Sprache des Programms:",
                "Sprache der Hilfsdateien:",
                T("Sprache der Wörterbücher:")};
    t.programGroup = {
        "SETUP Name der Programmgruppe", "Programmgruppe:", "Vorhandene Ordner:",
        L({"SETUP fügt in die unten aufgeführte Programmgruppe neue Symbole hinzu. Sie können "
           "einen neuen Ordnernamen eingeben oder einen aus der Liste 'Vorhandene Ordner' "
           "auswählen.",
           "", "Wählen Sie 'Weiter', um den Vorgang fortzusetzen."})};
    t.summary = {
        "SETUP fertig zur Installation",
        T("Gewählten Einstellungen:"),
        "Der Typ vom Installieren:",
        "Zielverzeichnis:",
        "Zielordner:",
        L({"SETUP ist jetzt bereit, die Installation auf Ihrem Computer durchzuführen. Klicken "
           "Sie auf 'Zurück', wenn Sie die gewählte Einstellungen nochmals ändern möchten.",
           "", "Mit 'Weiter' starten Sie die Installation mit den gewählten Einstellungen."})};
    t.complete = {
        "SETUP ist fertig", "&Beenden",
        L({"KREUZWORTRÄTSEL ist jetzt auf Ihrem Computer installiert worden.", "",
           "Über die Taskleiste Start, im Ordner Programme finden Sie das Untermenü Rätsel "
           "Fennix. Mit den darin installierten Verknüpfungen können Sie die gewünschten "
           "Programme starten.",
           "", "Beenden Sie jetzt das Installationsprogramm SETUP.", ""})};
    return t;
}

WizardTexts spanishTexts() {
    WizardTexts t;
    setCommon(t);
    t.applicationTitle = T("Instalación");
    t.backdropTitle = "CRUCIGRAMAS";
    t.enough = "Suficiente";
    t.defaultProductFolder = "Crucigrama Fennix";
    t.defaultProgramGroup = "Crucigrama";
    t.buttons = {T("&Próximo >"), "&Cancelar", T("< &Atrás")};
    t.noProgram = {"Crucigramas ",
                   T("Ud. deberá elegir uno o varios programas para la instalación antes de "
                     "continuar.")};
    t.notEnoughSpace = {"Crucigramas",
                        T("No existe el espacio suficiente en el disco duro para los programas. "
                          "Utilice la instalación compacto, o seleccione otro disco duro con "
                          "mayor espacio.")};
    t.copyFailureCaption = "Alerta";
    t.exitDialog = {
        T("Salida de la instalación"), "&Reanudar", "&Salir",
        L({"La instalación no ha sido completada. Los programas del crucigramas no serán "
           "instalados si Ud. sale de este ahora.",
           "", "Ud. tiene la posibilidad se salir y de empezar de nuevo el proceso de instalación.",
           "",
           "Para continuar la instalación pulse ahora \"Reanudar\". Pulse  \"Salir\" si desea "
           "parar el proceso."})};
    t.welcome = {
        T("Instalación del programa de crucigramas"),
        L({"Bien venido a las programas de Crucigrama. Con la ayuda de este programa tendrá "
           "Usted la oportunidad de instalar los programas en su ordenador.",
           "",
           "Antes de comenzar a instalar el programa deberá apagar los otros programas que se "
           "encuentren en funcionamiento.",
           "",
           "Con ayuda del botón \"Cancelar\" podrá salir sin la necesidad de instalar los "
           "programas. Pulsando el botón \"Próximo\" puede Ud.  continuar el proceso."})};
    t.destination = {
        T("Elegir el sitio de destinación"), T("Sitio de destinación."), "Explorar...",
        t.buttons.next,
        L({"El programa de instalación de el programa de Crucigramas pondrá los archivos en "
           "este directorio.",
           "", "Para instalar el programa en este directorio, pulse el botón \"Próximo\".", "",
           "Para instalar en otros directorios, pulse \"Explorar\" y elija otro directorio."})};
    t.chooser.caption = "Elija un directorio";
    t.chooser.cancel = "&Cancelar";
    t.chooser.instruction =
        T("Por favor elija Ud. el directorio a donde los programas de Crucigramas deberán ser "
          "instalados.");
    t.chooser.pathLabel = "Destino:";
    t.chooser.folderNameLabel = "El nombre del Grupo:";
    t.chooser.folderListLabel = "Directorio:";
    t.chooser.driveLabel = "Disc drive:";
    t.chooser.freeSpaceLabel = "Espacio disponible:";
    t.setupType = {
        T("Tipo de instalación"),
        T("Elija el tipo de instalación que Ud. prefiere:"),
        "Directorio de destino",
        "&Explorar...",
        "Espacio necesario:",
        "Espacio disponible:",
        {T("Clásico"), "Sofisticado", "Compacto"},
        {T("el programa de Crucigramas será instalado por la vía mas común. Recomendada para "
           "los demás usuarios."),
         T("Deberá seleccionar la opción para instalar. Recomendada solamente para usuarios "
           "avanzados."),
         T("el programa de Crucigramas será instalado para usar el mínimo espacio posible en "
           "el disco duro.")}};
    t.custom = {"Seleccione los programas",
                T("Elija qué programas desea Ud. instalar:"),
                "El Solucionador",
                "El Konstrel",
                "El Planzor",
                T("Instalación compacta:"),
                "Lengua del programa:",
                "Lengua de ayuda (on-line):",
                "Lengua del diccionario:"};
    t.programGroup = {
        "Seleccione el nombre del grupo de programas", "El nombre del grupo:", "Otros grupos:",
        L({"El programa de instalación añade un icono para los grupos de programas que se "
           "encuentran más abajo. Si Ud. quiere otros nombres, escríbalo en el caja o elíjalo "
           "en el grupo de la lista existente."})};
    t.summary = {
        "Comienza copias de archivos",
        T("Colocación actual:"),
        T("Tipo del instalaciòn:"),
        "Destino:",
        "El nombre del grupo:",
        L({"El programa de instalación  ha recibido la suficiente información para poder "
           "comenzar la copia de archivos en su ordenador.",
           "Desea Ud. ver o cambiar una colocación, deberá oprimir \"Atrás\".",
           "De quedar Ud. satisfecho con la colocación deberá pulsar \"Próximo\" para empezar la "
           "copia de archivos."})};
    t.complete = {
        T("Instalación terminada"), "&Terminar",
        L({"El proceso de instalación ha sido completado.", "",
           "Si desea comenzar a usar los programas de Crucigramas, deberá oprimir en el botón "
           "de empezar, donde aparecerán los nuevos iconos instalados.",
           "", "", "", "Oprima Terminar para acabar la instalación."})};
    return t;
}

WizardTexts englishTexts() {
    WizardTexts t;
    setCommon(t);
    t.applicationTitle = "Setup";
    t.backdropTitle = "CROSSWORD";
    t.enough = "Enough";
    t.defaultProductFolder = "Crossword Fennix";
    t.defaultProgramGroup = "Crossword";
    t.buttons = {"&Next >", "&Cancel", "< &Back"};
    t.noProgram = {"Crossword ",
                   "You have to choose to install one or more programs, before you can "
                   "continue."};
    t.notEnoughSpace = {"CROSSWORD",
                        "There is not enough space on the selected drive to install the "
                        "programs. Use compact installation instead, or select another drive "
                        "with more space."};
    t.copyFailureCaption = "Warning";
    t.exitDialog = {"Exit Setup",
                    "&Resume",
                    "E&xit Setup",
                    {"Setup is not complete. If you quit this Setup program now, the crossword "
                     "programs will not be installed.",
                     "",
                     "You may run the Setup program at a later time to complete the "
                     "installation.",
                     "",
                     "To continue installing the program, click Resume. To quit the setup "
                     "program, click Exit Setup."}};
    t.welcome = {"Installation of Crossword programs",
                 {"Welcome. This program will help you to install the crossword-programs on "
                  "your computer.",
                  "", "Before you continue please exit all other Windows programs.", "",
                  "Click Cancel to quit this setup program. Click Next to continue the "
                  "installation."}};
    t.destination = {"Choose destination location",
                     "Choose destination location",
                     "B&rowse...",
                     t.buttons.next,
                     {"This Setup program will install the crossword program in the directory "
                      "below.",
                      "", "To install in this directory, click Next.", "",
                      "To install the program in a different directory, click Browse and select "
                      "another directory."}};
    t.chooser.caption = "Choose directory";
    t.chooser.cancel = "&Cancel";
    t.chooser.instruction =
        "Please choose the directory where you want the crossword programs to be installed.";
    t.chooser.pathLabel = "Path:";
    t.chooser.folderNameLabel = "Crossword folder:";
    t.chooser.folderListLabel = "Directory:";
    t.chooser.driveLabel = "Drive:";
    t.chooser.freeSpaceLabel = "Space available:";
    t.setupType = {
        "Setup Type",
        "Select the type of Setup you prefer:",
        "Destination directory",
        "B&rowse...",
        "Space required:",
        "Space available:",
        {"Typical", "Custom", "Compact"},
        {"The crossword program will be installed with the most common options. Recomended for "
         "most users.",
         "You may choose the options you want to install. Recomended for advanced users only.",
         "The crossword program will be installed with minimum use of harddisk space."}};
    t.custom = {"Select programs",
                "Choose the programs you want to install:",
                "The Quenzor",
                "The Brantov",
                "The Pellomir",
                "Compact installation:",
                "Main language:",
                "Language for online help:",
                "Primary language for dictionary:"};
    t.programGroup = {"Select Program Folder",
                      "Program Folder:",
                      "Existing Folders:",
                      {"Setup will add program icons to the Program Folder listed below.", "",
                       "You may type a new folder name, or select one from the existing Folders "
                       "list. Click Next to continue."}};
    t.summary = {"Start Copying Files",
                 "Current Settings:",
                 "Setup Type:",
                 "Target Directory:",
                 "Target Folder:",
                 {"Setup has enough information to start copying CROSSWORD-files to your "
                  "computer. If you want to review or change any settings, click Back. If you "
                  "are satisfied with the settings, click Next to begin copying files."}};
    t.complete = {"Setup complete",
                  "&Finish",
                  {"The crossword program is now installed to your computer.", "",
                   "You may launch the applications by selecting the new icons installed. Do "
                   "this through the Start Menu.",
                   "", "", "", "Click Finish to complete Setup."}};
    return t;
}

}  // namespace

const WizardTexts& wizardTexts(LanguageCode language) {
    static const WizardTexts danish = danishTexts();
    static const WizardTexts german = germanTexts();
    static const WizardTexts spanish = spanishTexts();
    static const WizardTexts english = englishTexts();
    return byLanguage<const WizardTexts&>(language, danish, german, spanish, english);
}

std::string copyFailureText(LanguageCode language, const std::string& source,
                            const std::string& target) {
    switch (knownLanguage(language)) {
        case Danish:
            return T("Installationen må desværre afbrydes, da det ikke er muligt at kopiere "
                     "fra ") +
                   source + " til " + target + ".";
        case German:
            return T(
                "Die Installation muß leider abgebrochen werden, da ein Kopierfehler "
                "aufgetreten ist.");
        case Spanish:
            return T("El programa de instalación ha sido interrumpido. Es imposible copiar de ") +
                   source + " para " + target + ".";
        default:
            return "Setup has to stop. Unfortunately it is not possible to copy from " + source +
                   " to " + target + ".";
    }
}

}  // namespace wizard
