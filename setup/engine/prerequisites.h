#pragma once
// Finish on the completion page: the installers of missing system components, started from
// the medium without waiting for them.
#include <functional>
#include <string>
#include <vector>

#include "setup/wizard/core/neededspace.h"
#include "setup/wizard/setupchoices.h"

namespace engine {

enum class Installer { Browser, HelpEngine, Dcom };

// The installers Finish starts for these probe results, in order.
std::vector<Installer> installersToStart(const wizard::Probes& probes);

// The installer's command line: folder (ie5Folder or hhUpdFolder) + language folder + program,
// with "/c" as the DCOM installer's argument.
struct InstallerCommand {
    std::string program;
    std::vector<std::string> arguments;
};
InstallerCommand installerCommand(Installer installer, const wizard::SetupChoices& choices,
                                  wizard::LanguageCode uiLanguage, char sep = '/');

// Starts a program without waiting; a missing program or a failed start is skipped silently.
using ProgramStarter = std::function<void(const InstallerCommand&)>;
void startDetached(const InstallerCommand& command);

// The Finish procedure: starts the installers the probes call for.
void startInstallers(const wizard::Probes& probes, const wizard::SetupChoices& choices,
                     const ProgramStarter& start = startDetached,
                     wizard::LanguageCode uiLanguage = wizard::UiLanguage);

}  // namespace engine
