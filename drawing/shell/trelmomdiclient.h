#pragma once
// The MDI client: makes, opens and closes crossword windows, answers the window-arrangement
// and font commands, and receives the generator's hand-over.
#include <QMdiArea>
#include <memory>
#include <string>
#include <vector>

namespace shell {

class TTrelmoApp;
class TTrelmoWindow;
class TTrelmoMDIChild;
class HandOverReceiver;

class TTrelmoMDIClient : public QMdiArea {
    Q_OBJECT
public:
    explicit TTrelmoMDIClient(TTrelmoApp& app, QWidget* parent = nullptr);
    ~TTrelmoMDIClient() override;

    // Command New: a window "Document - N" with the default document.
    TTrelmoMDIChild* NewCrossword();
    // A new window titled `path` holding the loaded file (the default document when the load
    // is refused); the path goes to the top of the recent files.
    TTrelmoMDIChild* OpenCrossword(const std::string& path);
    void Open();
    void CloseActive();
    // Asks every window in turn; true when all closed.
    bool CloseAll();
    void ArrangeIcons();

    // The active crossword window, or nullptr.
    TTrelmoWindow* activeCrosswordWindow() const;
    std::vector<TTrelmoWindow*> crosswordWindows() const;

    void command(int id);

    // The generator's message: 1 opens the crossword named in the hand-over block, 2 brings
    // the main window to the front, anything else does nothing. Returns 0.
    int handOverMessage(int wParam);
    // Listens for the hand-over under the given names (the program's own by default).
    void startHandOver(const std::string& blockName, const std::string& messageName);

    void SetClueFont();
    void SetSolutionFont();
    void SqueezeFont();
    void DefaultSize();

private:
    TTrelmoMDIChild* addChild(TTrelmoWindow* window, const std::string& title);
    void repaintActiveAndFrame();

    TTrelmoApp& app_;
    int newCount_ = 0;  // N of "Document - N"
    std::unique_ptr<HandOverReceiver> handOver_;
};

}  // namespace shell
