#pragma once
// One crossword's MDI child frame. Its title is the document's path (or Document - N); it
// closes only when its crossword window agrees.
#include <QMdiSubWindow>
#include <string>

namespace shell {

class TTrelmoWindow;

class TTrelmoMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    // Takes ownership of `window`.
    TTrelmoMDIChild(TTrelmoWindow* window, const std::string& title);

    TTrelmoWindow* crosswordWindow() const { return window_; }
    // The title as bytes (a local path, or "Document - N").
    const std::string& title() const { return title_; }
    void setTitle(const std::string& title);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    TTrelmoWindow* window_;
    std::string title_;
};

}  // namespace shell
