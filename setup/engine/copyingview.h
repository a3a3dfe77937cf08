#pragma once
// What the installation engine needs from the page it runs on: the progress bar, the busy
// cursor, the overwrite question and the completion page. Tests and the unattended mode use
// the defaults, which show nothing and ask through the message service.
#include <string>

#include "setup/wizard/setupchoices.h"

namespace engine {

class CopyingView {
public:
    virtual ~CopyingView() = default;
    // The progress bar's position, 0 to 100.
    virtual void setProgress(int /*position*/) {}
    virtual void repaint() {}
    virtual void setBusy(bool /*busy*/) {}
    // A yes/no question before an installed word list or dictionary is replaced; true for
    // Yes. The default is the wizard's confirmation: the German dialog in German builds, a
    // Yes/No box of the message service in the others.
    virtual bool confirm(const std::string& question, wizard::LanguageCode uiLanguage);
    // Shows the completion page; returns when it closes.
    virtual void openCompletion() {}
};

}  // namespace engine
