#include "drawing/shell/helpviewer.h"

#include <QUrl>

#include "drawing/shell/markuppictures.h"


namespace shell {

HelpViewer::HelpViewer() {
    setWindowTitle("Pellomir Help");
    setOpenExternalLinks(false);
    resize(760, 640);
}

QVariant HelpViewer::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == "markup") {
        // The text is percent-encoded code page 1252 bytes.
        const QByteArray bytes = QByteArray::fromPercentEncoding(name.path(QUrl::FullyEncoded).toLatin1());
        return MarkupPicture(bytes.toStdString());
    }
    return QTextBrowser::loadResource(type, name);
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
