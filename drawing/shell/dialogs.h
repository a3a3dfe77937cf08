#pragma once
// The modal dialogs the shell asks the user through. The windowed program installs the Qt
// dialogs; tests install a script. Texts are code page 1252 bytes.
#include <optional>
#include <string>

#include "drawing/render/fontdescription.h"

namespace shell {

// Transfer record of the size dialog: the height text, then the width text.
struct Sizetrans {
    char height[10] = {};
    char width[10] = {};
};

// Transfer record of the separator dialog: which radio button of each group is chosen.
struct SeparatorTrans {
    bool deleteRight = false;   // false: "Add line at right of the square"
    bool deleteBottom = false;  // false: "Add line at bottom of the square"
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A one-line input box; nothing on Cancel. The text holds at most `maxChars` characters.
    virtual std::optional<std::string> prompt(const std::string& title, const std::string& text,
                                              const std::string& initial, int maxChars) = 0;
    // Size dialog on `trans`; false on Cancel (trans then as the user left it).
    virtual bool sizeDialog(Sizetrans& trans) = 0;
    virtual bool separatorDialog(SeparatorTrans& trans) = 0;
    // File dialogs with a filter of the "Name|pattern|Name|pattern|" form. Paths are local
    // file names (UTF-8). Nothing on Cancel.
    virtual std::optional<std::string> openFileName(const std::string& filter,
                                                    const std::string& defaultExtension) = 0;
    virtual std::optional<std::string> saveFileName(const std::string& filter,
                                                    const std::string& defaultExtension,
                                                    const std::string& initialName) = 0;
    // The font dialog started from `font` and `colour`; false on Cancel.
    virtual bool chooseFont(render::FontDescription& font, render::Rgb& colour) = 0;
};

// The dialogs in use (the Qt ones unless a test installed others).
Dialogs& dialogs();
// Installs `d` (not owned); nullptr restores the Qt dialogs.
void setDialogs(Dialogs* d);

}  // namespace shell
