#pragma once
// The directory chooser's logic: it sets the destination from the folder list and the
// folder-name field as they change, and remembers the destination it was opened with so that
// Cancel can put it back.
#include <string>

#include "setup/wizard/core/wizard.h"

namespace wizard {

class DirectoryChoice {
public:
    explicit DirectoryChoice(Wizard& wizard) : wizard_(wizard) {}

    // Set once the dialog has been made; changes before that are ignored.
    void setReady() { ready_ = true; }
    bool ready() const { return ready_; }

    // The folder list, drive or folder-name field changed: the destination follows them.
    void changed(const std::string& folder, const std::string& folderName);

    // The dialog became active: remember what Cancel returns to.
    void activate();
    const std::string& rememberedFolderName() const { return rememberedName_; }
    const std::string& rememberedFolder() const { return rememberedBase_; }

    std::string freeSpaceText() const { return wizard_.availableText(); }
    std::string fullPathText() const { return wizard_.shortDestination(); }

private:
    Wizard& wizard_;
    bool ready_ = false;
    std::string rememberedName_;
    std::string rememberedBase_;
};

}  // namespace wizard
