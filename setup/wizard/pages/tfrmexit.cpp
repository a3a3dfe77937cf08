#include "setup/wizard/pages/tfrmexit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include "setup/wizard/core/texts.h"
#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmExit::TfrmExit(QWidget* parent) : QDialog(parent) {
    setObjectName("TfrmExit");
    const WizardTexts& t = uiTexts();
    setWindowTitle(q(t.exitDialog.caption));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(440, 240);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setFrameShape(QFrame::NoFrame);
    Memo1->setFocusPolicy(Qt::NoFocus);
    Memo1->setGeometry(12, 12, 416, 176);
    Memo1->setPlainText(joinLines(t.exitDialog.lines));
    btnResume = new QPushButton(q(t.exitDialog.resume), this);
    btnResume->setObjectName("btnResume");
    btnResume->setGeometry(220, 200, 100, 28);
    btnResume->setDefault(true);
    btnExit = new QPushButton(q(t.exitDialog.exit), this);
    btnExit->setObjectName("btnExit");
    btnExit->setGeometry(328, 200, 100, 28);
    connect(btnResume, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnExit, &QPushButton::clicked, this, [this] { done(exitCode); });
}

bool TfrmExit::askExit() {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->geometry().center() - rect().center());
    }
    return exec() == exitCode;
}

// The exit button is the dialog's cancel button: Escape leaves; the close box resumes.
void TfrmExit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        done(exitCode);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace wizard::pages
