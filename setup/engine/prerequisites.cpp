#include "setup/engine/prerequisites.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include "setup/engine/language.h"

extern char** environ;

namespace engine {

std::vector<Installer> installersToStart(const wizard::Probes& probes) {
    std::vector<Installer> started;
    if (!probes.htmHandler) return {Installer::Browser};
    bool browserStarted = false;
    if (!probes.chmHandler) {
        if (probes.windows95) {
            browserStarted = true;
            started.push_back(Installer::Browser);
        } else {
            started.push_back(Installer::HelpEngine);
        }
    }
    if (!probes.dcomEnabled) {
        if (!probes.windows95 || browserStarted) {
            started.push_back(Installer::Dcom);
        } else {
            started.push_back(Installer::Browser);
        }
    }
    return started;
}

InstallerCommand installerCommand(Installer installer, const wizard::SetupChoices& choices,
                                  wizard::LanguageCode uiLanguage, char sep) {
    const std::string language = byLanguage<const char*>(uiLanguage, "da", "de", "es", "en");
    switch (installer) {
        case Installer::Browser:
            return {choices.ie5Folder + language + sep + "ie5setup.exe", {}};
        case Installer::HelpEngine:
            return {choices.hhUpdFolder + language + sep + "hhupd.exe", {}};
        case Installer::Dcom:
            break;
    }
    return {choices.ie5Folder + language + sep + "Dcom95.exe", {"/c"}};
}

void startDetached(const InstallerCommand& command) {
    if (::access(command.program.c_str(), X_OK) != 0) return;
    std::vector<char*> argv{const_cast<char*>(command.program.c_str())};
    for (const auto& a : command.arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    // A new session, so the installer lives on after the setup ends; the child is reaped by
    // nobody we wait for, so SIGCHLD is left to the default handling of the ending process.
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
    pid_t pid = 0;
    posix_spawn(&pid, argv[0], nullptr, &attr, argv.data(), environ);
    posix_spawnattr_destroy(&attr);
}

void startInstallers(const wizard::Probes& probes, const wizard::SetupChoices& choices,
                     const ProgramStarter& start, wizard::LanguageCode uiLanguage) {
    for (Installer installer : installersToStart(probes))
        start(installerCommand(installer, choices, uiLanguage));
}

}  // namespace engine
