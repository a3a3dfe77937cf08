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

private:
    std::string path_;
    QString anchor_;
};

}  // namespace shell
