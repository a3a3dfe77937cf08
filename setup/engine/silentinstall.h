#pragma once
// The unattended mode of `setup`:
//   setup --silent [--type typical|custom|compact] [--programs solver,generator,drawing]
//                  [--dest DIR] [--folder NAME] [--group NAME]
// It drives the same page logic and the same engine as the windows, without showing any:
// without --type it takes the build's default path (the destination page: the drawing
// program alone, in English builds); overwrite questions are answered No; every message box
// goes to standard error.
#include <optional>
#include <string>
#include <vector>

#include "setup/wizard/core/wizard.h"

namespace engine {

// The exit code when argv asks for the unattended mode, else nothing: 0 after a complete
// installation, 1 after a stop (a failed check or copy, or a page that refused Next), 2 for
// unusable arguments.
std::optional<int> runSilentIfAsked(int argc, char** argv);

struct SilentOptions {
    std::optional<wizard::SetupType> type;
    std::optional<std::vector<wizard::Program>> programs;
    std::optional<std::string> destination, folder, group;
};

// Parses the arguments after "--silent"; nothing (and `error` set) when one is unusable.
std::optional<SilentOptions> parseSilentOptions(const std::vector<std::string>& args,
                                                std::string* error);

// Walks the wizard from the welcome page to the copying page with `options` and runs `step`
// there. Returns the exit code as above.
int runSilent(wizard::Wizard& wizard, const SilentOptions& options, wizard::CopyingStep& step);

}  // namespace engine
