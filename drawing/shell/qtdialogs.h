#pragma once
// The Qt face of the shell's dialogs: input boxes, the size and separator dialogs, file and
// font dialogs, each modal over the active window.
#include "drawing/shell/dialogs.h"

namespace shell {

class QtDialogs : public Dialogs {
public:
    std::optional<std::string> prompt(const std::string& title, const std::string& text,
                                      const std::string& initial, int maxChars) override;
    bool sizeDialog(Sizetrans& trans) override;
    bool separatorDialog(SeparatorTrans& trans) override;
    std::optional<std::string> openFileName(const std::string& filter,
                                            const std::string& defaultExtension) override;
    std::optional<std::string> saveFileName(const std::string& filter,
                                            const std::string& defaultExtension,
                                            const std::string& initialName) override;
    bool chooseFont(render::FontDescription& font, render::Rgb& colour) override;
};

}  // namespace shell
