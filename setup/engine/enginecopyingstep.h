#pragma once
// The summary page's hand-over to the installation engine, for the copying page and the
// unattended mode alike.
#include <string>

#include "setup/engine/copyingview.h"
#include "setup/engine/installengine.h"
#include "setup/wizard/core/copyingstep.h"

namespace engine {

// The full path of the running program (its folder is the medium).
std::string runningProgramPath();

class EngineCopyingStep : public wizard::CopyingStep {
public:
    EngineCopyingStep(CopyingView& view, std::string setupProgramPath = runningProgramPath())
        : view_(view), setupProgramPath_(std::move(setupProgramPath)) {}

    // Runs the installation once; true when it completed.
    bool run(wizard::SetupChoices& choices) override;
    InstallResult result() const { return result_; }

private:
    CopyingView& view_;
    std::string setupProgramPath_;
    bool ran_ = false;
    InstallResult result_ = InstallResult::AlreadyRan;
};

}  // namespace engine
