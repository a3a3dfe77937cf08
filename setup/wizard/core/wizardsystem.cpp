#include "setup/wizard/core/wizardsystem.h"

#include <unistd.h>

#include <climits>

#include "setup/wizard/core/systemlookups.h"

namespace wizard {

namespace {

class LinuxWizardSystem : public WizardSystem {
public:
    char separator() const override { return '/'; }
    std::int32_t freeSpaceMb(const SetupChoices& choices) const override {
        return megabytesOf(freeBytesAt(choices.destinationBase));
    }
    Probes probes() const override { return systemProbes(); }
    std::string programFilesFolder() const override { return wizard::programFilesFolder(); }
    std::string startMenuProgramsFolder() const override {
        return wizard::startMenuProgramsFolder();
    }
    std::vector<std::string> subfolders(const std::string& folder) const override {
        return listSubfolders(folder);
    }
    std::string currentDirectory() const override {
        char buffer[PATH_MAX];
        return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string("/");
    }
};

}  // namespace

const WizardSystem& systemWizardSystem() {
    static const LinuxWizardSystem system;
    return system;
}

}  // namespace wizard
