#pragma once
// The hand-over from the summary page to the installation engine.
#include "setup/wizard/setupchoices.h"

namespace wizard {

// The copying page: the summary's Next hides the summary and calls run(), which performs the
// whole installation (it may write ie5Folder and hhUpdFolder) and returns when it is done.
// true: the wizard shows the completion page; false: the installation stopped (its message has
// been shown) and the wizard ends. Without a step installed the summary's Next is disabled:
// the wizard never pretends to install.
class CopyingStep {
public:
    virtual ~CopyingStep() = default;
    virtual bool run(SetupChoices& choices) = 0;
};

}  // namespace wizard
