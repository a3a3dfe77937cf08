#include "setup/engine/enginecopyingstep.h"

#include <filesystem>

namespace engine {

std::string runningProgramPath() {
    std::error_code ec;
    auto path = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : path.string();
}

bool EngineCopyingStep::run(wizard::SetupChoices& choices) {
    // The page runs the installation the first time it becomes active and never again.
    if (ran_) return false;
    ran_ = true;
    InstallEngine engine(choices, view_, setupProgramPath_);
    result_ = engine.run();
    return result_ == InstallResult::Completed;
}

}  // namespace engine
