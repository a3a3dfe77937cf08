#pragma once
// Everything the installation writes besides the copied files: the registry store's values,
// the fonts, the desktop entries of the program group, the menu entry of the group, the
// settings lines and the uninstall entry. Every step ignores its errors.
#include <string>

#include "setup/engine/installfolders.h"
#include "setup/engine/manifest.h"
#include "setup/wizard/setupchoices.h"

namespace engine {

class Registration {
public:
    Registration(const wizard::SetupChoices& choices, const InstallFolders& folders,
                 wizard::LanguageCode uiLanguage)
        : choices_(choices), folders_(folders), ui_(uiLanguage) {}

    void writeMediumLocation();  // the "CDROM" values
    void installFonts();         // copy, make available, register
    void generatorAndDrawingHelpShortcuts();
    void solverHelpShortcut();
    void solverShortcut();
    void solverValues();
    void uninstallInformation();  // "Quenzor\UnInstallInfo", always
    void generatorKeys();
    void generatorShortcut();
    void drawingShortcut();
    void drawingKey();    // "Trelmo.Application\Tegninger"
    void programGroup();  // the menu entry of the group
    void settingsLines();
    void uninstallEntry();

private:
    void helpShortcut(const std::string& name, const std::string& description,
                      const std::string& target);
    // The menu entry of the program `group` keeps for `language` in `folder`, started there.
    void programShortcut(const std::string& folder, Group group, wizard::LanguageCode language,
                         const std::string& name, const std::string& description);

    const wizard::SetupChoices& choices_;
    const InstallFolders& folders_;
    wizard::LanguageCode ui_;
};

}  // namespace engine
