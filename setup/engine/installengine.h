#pragma once
// The installation: the whole copying run of the copying page, from the checks before
// copying to the uninstall entry, in one pass on the calling thread.
#include <string>

#include "setup/engine/copyingview.h"
#include "setup/engine/installfolders.h"
#include "setup/engine/manifest.h"
#include "setup/engine/uninstalllog.h"
#include "setup/wizard/setupchoices.h"

namespace engine {

enum class InstallResult {
    Completed,   // everything installed and registered
    Stopped,     // a library check or a copy failed; the message has been shown
    AlreadyRan,  // a repeated activation: nothing done
};

class InstallEngine {
public:
    // `setupProgramPath` is the full path of the running setup program: its folder is the
    // medium. `choices` must outlive the engine; the run writes ie5Folder and hhUpdFolder.
    InstallEngine(wizard::SetupChoices& choices, CopyingView& view, std::string setupProgramPath,
                  wizard::LanguageCode uiLanguage = wizard::UiLanguage);

    // The first call installs; later calls only close the uninstall log.
    InstallResult run();

    const InstallFolders& folders() const { return folders_; }
    int progress() const { return progress_; }

    // The overwrite question: true without asking when the medium file and the installed
    // file have the same size, else the user's answer.
    bool askOverwrite(const std::string& mediumPath, const std::string& targetPath,
                      const std::string& label);

private:
    struct Stop {};

    void install();
    void checkDrawingProgram();
    void checkGenerator();
    void checkLibraries(const std::string& programFolder, bool drawing);
    void installSolver();
    void installGenerator();
    void installDrawingProgram();
    void copyGroup(Group group, unsigned languageBit, const std::string& targetFolder,
                   const std::string& mediumFolder);
    void copyWholeFolder(const std::string& mediumFolder, const std::string& targetFolder);
    void copyDrawingSettings();

    // Copies one file, logs it and advances the progress; a refused copy shows the
    // copy-failure message and stops the run.
    void engineCopy(const std::string& source, const std::string& target);
    [[noreturn]] void stopWithCopyFailure(const std::string& source, const std::string& target);
    std::string onMedium(const std::string& path) const;
    void advance(int steps);

    wizard::SetupChoices& choices_;
    CopyingView& view_;
    std::string setupProgramPath_;
    wizard::LanguageCode ui_;
    InstallFolders folders_;
    UninstallLog log_;
    bool ran_ = false;
    bool wordListApproved_ = false;
    bool dictionaryApproved_[6] = {};
    int progress_ = 0;
    int step_ = 1;
};

}  // namespace engine
