#pragma once
// The drawing program as a process: its settings, picture folder, recent files and help
// state, the main frame, and the commands answered at application level.
#include <QObject>
#include <QStringList>
#include <memory>
#include <string>

#include "drawing/document/crossword.h"
#include "drawing/shell/recentfiles.h"

namespace shell {

class TTrelmoFrame;
class HelpViewer;

// File-dialog data of the application: a file-name buffer with its filter and extension.
struct DialogFileData {
    std::string fileName;
    std::string filter;
    std::string defaultExtension;
};

class TTrelmoApp : public QObject {
    Q_OBJECT
public:
    // Reads the settings file of `workDir` (the working directory at start) into
    // render::drawSettings() and the picture folder from the registry and the settings.
    explicit TTrelmoApp(const std::string& workDir);
    ~TTrelmoApp() override;
    TTrelmoApp(const TTrelmoApp&) = delete;
    TTrelmoApp& operator=(const TTrelmoApp&) = delete;

    // The running application, or nullptr.
    static TTrelmoApp* instance();

    // Builds and shows the main frame, then writes (or with the unregister option removes)
    // the registration. `arguments` are the command-line words after the program name.
    void InitInstance(const QStringList& arguments);
    TTrelmoFrame* frame() const { return frame_.get(); }

    // Application commands (General Zoom, Save setup, Help contents, About).
    void command(int id);

    void GeneralZoom();
    // Writes the settings section; the active crossword window's squeeze when there is one.
    bool SaveSetup();
    void HelpContents();
    void HelpDefaultTopic();
    void About();

    // Context-help mode (Shift+F1): the help cursor until Esc or a command.
    bool helpMode() const { return helpMode_; }
    void setHelpMode(bool on);
    // True when a command chosen now must open the help instead (help mode or F1 held).
    bool takeHelpRequest();

    std::string startDir;    // working directory at start
    std::string settingsPath;  // the settings file in startDir
    std::string pictureDir;
    DialogFileData kztFileData;
    DialogFileData bmpFileData;
    RecentFiles recentFiles;
    // Names of the hand-over block and message the main window listens under.
    std::string handOverBlock;
    std::string handOverMessage;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openHelp(const char* anchor);

    std::unique_ptr<TTrelmoFrame> frame_;
    std::unique_ptr<HelpViewer> helpViewer_;
    bool helpMode_ = false;
    bool f1Down_ = false;
};

}  // namespace shell
