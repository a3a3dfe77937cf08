#pragma once
// The main frame: menu bar, toolbar and status bar around the MDI client. Every command of
// menu, toolbar and keys comes through dispatch(), which finds who answers it.
#include <QMainWindow>
#include <map>

class QAction;
class QMenu;
class QUrl;

namespace shell {

class TTrelmoApp;
class TTrelmoMDIClient;

class TTrelmoFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit TTrelmoFrame(TTrelmoApp& app);
    ~TTrelmoFrame() override;

    TTrelmoMDIClient* client() const { return client_; }
    // The action of a command id; nullptr for ids without one.
    QAction* action(int id) const;

    // Carries out a command, or opens the help instead while help mode is on.
    void dispatch(int id);
    // Enables and checks the actions for the present state (also done before a menu opens).
    void updateActions();
    // Opens every dropped file in the order given, whatever its extension.
    void openDroppedFiles(const QList<QUrl>& urls);
    // Asks every crossword window to close; true when all did.
    bool closeAllWindows();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    QAction* makeAction(int id, const char* text, const char* hint);

    TTrelmoApp& app_;
    TTrelmoMDIClient* client_;
    std::map<int, QAction*> actions_;
    QMenu* recentMenuAnchor_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    void rebuildRecentEntries(QMenu* fileMenu);
};

}  // namespace shell
