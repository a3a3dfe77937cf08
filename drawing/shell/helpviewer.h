#pragma once
// The help window: shows the help document (HTML under the help file's name) at a topic.
#include <QTextBrowser>
#include <string>

namespace shell {

class HelpViewer : public QTextBrowser {
    Q_OBJECT
public:
    static constexpr const char* kContents = "contents";  // the table of contents
    static constexpr const char* kDefaultTopic = "start";  // the default topic

    HelpViewer();
    // Loads the document at `path` (when not loaded yet) and scrolls to `anchor`.
    void showDocument(const std::string& path, const char* anchor);
    const std::string& documentPath() const { return path_; }
    QString currentAnchor() const { return anchor_; }

protected:
    // "markup:" images are pictures of a clue square holding the percent-encoded text.
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::string path_;
    QString anchor_;
};

}  // namespace shell
