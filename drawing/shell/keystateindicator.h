#pragma once
// A status-bar field showing a lock key's state (Caps Lock, Num Lock, Scroll Lock). The
// toolkit does not report lock states, so the field follows the key presses it sees,
// starting off.
#include <QLabel>

namespace shell {

class KeyStateIndicator : public QLabel {
    Q_OBJECT
public:
    enum Lock { CapsLock, NumLock, ScrollLock };
    explicit KeyStateIndicator(Lock lock, QWidget* parent = nullptr);
    ~KeyStateIndicator() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLit(bool on);
    int key_;
    bool on_ = false;
    ulong lastStamp_ = 0;  // a key event reaches the filter once per widget it passes
};

}  // namespace shell
