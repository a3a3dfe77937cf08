#pragma once
// What the wizard asks of the system it runs on. The program uses systemWizardSystem(); tests
// give their own answers, and may use '\\' to run the flow with Windows-style paths.
#include <cstdint>
#include <string>
#include <vector>

#include "setup/wizard/core/neededspace.h"
#include "setup/wizard/setupchoices.h"

namespace wizard {

class WizardSystem {
public:
    virtual ~WizardSystem() = default;
    virtual char separator() const = 0;
    // Whole megabytes free where the destination of `choices` lies; 0 when unknown.
    virtual std::int32_t freeSpaceMb(const SetupChoices& choices) const = 0;
    // Evaluated anew at every use.
    virtual Probes probes() const = 0;
    // Folder under which the product folder goes by default (no trailing separator needed).
    virtual std::string programFilesFolder() const = 0;
    // The Start menu's Programs folder, which holds the program groups.
    virtual std::string startMenuProgramsFolder() const = 0;
    // Names of the subfolders of `folder` in the order the file system lists them; empty
    // when it cannot be listed.
    virtual std::vector<std::string> subfolders(const std::string& folder) const = 0;
    // For relative paths typed by the user.
    virtual std::string currentDirectory() const = 0;
};

// The running system: statvfs, the registry store and the folders of this machine.
const WizardSystem& systemWizardSystem();

}  // namespace wizard
