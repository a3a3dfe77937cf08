#include "drawing/shell/keystateindicator.h"

#include <QApplication>
#include <QKeyEvent>

namespace shell {

namespace {
const char* const kLabels[] = {"CAP", "NUM", "SCRL"};
const int kKeys[] = {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock};
}  // namespace

KeyStateIndicator::KeyStateIndicator(Lock lock, QWidget* parent)
    : QLabel(kLabels[lock], parent), key_(kKeys[lock]) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setMinimumWidth(fontMetrics().horizontalAdvance("SCRL") + 8);
    setLit(false);
    qApp->installEventFilter(this);
}

KeyStateIndicator::~KeyStateIndicator() {
    if (qApp) qApp->removeEventFilter(this);
}

void KeyStateIndicator::setLit(bool on) {
    on_ = on;
    setEnabled(on);
}

bool KeyStateIndicator::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QKeyEvent*>(event)->key() == key_ &&
        !static_cast<QKeyEvent*>(event)->isAutoRepeat() &&
        static_cast<QKeyEvent*>(event)->timestamp() != lastStamp_) {
        lastStamp_ = static_cast<QKeyEvent*>(event)->timestamp();
        setLit(!on_);
    }
    return false;
}

}  // namespace shell
