#pragma once
// The copying page: a caption, one line of text above the progress bar, no buttons. The
// summary's Next shows it and runs the installation on it; it stays until the program ends.
#include <QLabel>
#include <QProgressBar>
#include <QWidget>

#include "setup/engine/copyingview.h"
#include "setup/engine/enginecopyingstep.h"
#include "setup/wizard/core/copyingstep.h"

namespace wizard::pages {

class TfrmCopyingFiles : public QWidget, public engine::CopyingView, public wizard::CopyingStep {
public:
    // The medium is the folder of `setupProgramPath`, the running program by default.
    explicit TfrmCopyingFiles(QWidget* parent = nullptr,
                              std::string setupProgramPath = engine::runningProgramPath());

    // wizard::CopyingStep: shows the page and installs, once.
    bool run(SetupChoices& choices) override;
    bool stopped() const { return step_.result() == engine::InstallResult::Stopped; }
    int position() const { return ProgressBar1->value(); }

    // engine::CopyingView
    void setProgress(int position) override;
    void repaint() override;
    void setBusy(bool busy) override;

private:
    QLabel* Memo1;
    QProgressBar* ProgressBar1;
    engine::EngineCopyingStep step_;
};

}  // namespace wizard::pages
