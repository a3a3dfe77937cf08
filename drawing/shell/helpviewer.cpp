#include "drawing/shell/helpviewer.h"

#include <QUrl>


namespace shell {

HelpViewer::HelpViewer() {
    setWindowTitle("Pellomir Help");
    setOpenExternalLinks(false);
    resize(760, 640);
}

void HelpViewer::showDocument(const std::string& path, const char* anchor) {
    if (path != path_) {
        path_ = path;
        const QUrl url = QUrl::fromLocalFile(QString::fromStdString(path));
        setSource(url, QTextDocument::HtmlResource);
    }
    anchor_ = anchor;
    scrollToAnchor(anchor_);
    show();
    raise();
    activateWindow();
}

}  // namespace shell
