#include "setup/wizard/copyingfilesunit.h"

#include <QApplication>
#include <QVBoxLayout>

#include "setup/engine/copyingpagetexts.h"
#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmCopyingFiles::TfrmCopyingFiles(QWidget* parent, std::string setupProgramPath)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Memo1(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)),
      step_(*this, std::move(setupProgramPath)) {
    const auto texts = engine::copyingPageTexts(UiLanguage);
    setWindowTitle(q(texts.caption));
    Memo1->setText(q(texts.text));
    Memo1->setWordWrap(true);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addWidget(ProgressBar1);
    setMinimumWidth(480);
}

bool TfrmCopyingFiles::run(SetupChoices& choices) {
    show();
    raise();
    QApplication::processEvents();
    return step_.run(choices);
}

void TfrmCopyingFiles::setProgress(int position) {
    ProgressBar1->setValue(position);
    ProgressBar1->repaint();
}

void TfrmCopyingFiles::repaint() {
    QWidget::repaint();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmCopyingFiles::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace wizard::pages
