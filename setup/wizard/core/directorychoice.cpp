#include "setup/wizard/core/directorychoice.h"

namespace wizard {

void DirectoryChoice::changed(const std::string& folder, const std::string& folderName) {
    if (!ready_) return;
    wizard_.setDestination(folder, folderName);
}

void DirectoryChoice::activate() {
    rememberedName_ = wizard_.choices().productFolder;
    rememberedBase_ = wizard_.choices().destinationBase;
}

}  // namespace wizard
