#include "drawing/shell/trelmomdichild.h"

#include <QCloseEvent>

#include "drawing/resources/icons.h"
#include "drawing/shell/trelmowindow.h"

namespace shell {

TTrelmoMDIChild::TTrelmoMDIChild(TTrelmoWindow* window, const std::string& title)
    : window_(window) {
    setWidget(window);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(resources::documentIcon());
    setTitle(title);
}

void TTrelmoMDIChild::setTitle(const std::string& title) {
    title_ = title;
    // Paths are local file names; Qt would treat "[*]" in a title as a placeholder.
    QString shown = QString::fromStdString(title);
    shown.replace("[*]", "[**]");
    setWindowTitle(shown);
}

void TTrelmoMDIChild::closeEvent(QCloseEvent* event) {
    if (window_ && !window_->CanClose()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace shell
