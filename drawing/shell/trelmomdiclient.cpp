#include "drawing/shell/trelmomdiclient.h"

#include <QApplication>
#include <QMdiSubWindow>
#include <cstdio>

#include "drawing/render/drawsettings.h"
#include "drawing/shell/commandids.h"
#include "drawing/shell/dialogs.h"
#include "drawing/shell/gridediting.h"
#include "drawing/shell/handover.h"
#include "drawing/shell/trelmoapp.h"
#include "drawing/shell/trelmoframe.h"
#include "drawing/shell/trelmomdichild.h"
#include "drawing/shell/trelmowindow.h"

namespace shell {

namespace {

constexpr const char* kDocumentString = "Document";  // string resource 32550

using Handler = void (TTrelmoMDIClient::*)();
struct ClientCommand {
    int id;
    Handler handler;
};

const ClientCommand kCommands[] = {
    {cmd::Open, &TTrelmoMDIClient::Open},
    {cmd::Close, &TTrelmoMDIClient::CloseActive},
    {cmd::Cascade, &QMdiArea::cascadeSubWindows},
    {cmd::Tile, &QMdiArea::tileSubWindows},
    {cmd::ArrangeIcons, &TTrelmoMDIClient::ArrangeIcons},
    {cmd::SetFont, &TTrelmoMDIClient::SetClueFont},
    {cmd::SolutionFont, &TTrelmoMDIClient::SetSolutionFont},
    {cmd::SqueezeFont, &TTrelmoMDIClient::SqueezeFont},
    {cmd::SqueezeFontKey, &TTrelmoMDIClient::SqueezeFont},
    {cmd::DefaultSize, &TTrelmoMDIClient::DefaultSize},
};

// The font dialog on copies; the font and colour take the choice only when it is confirmed.
bool chooseFontAndColour(render::FontDescription& font, render::Rgb& colour) {
    render::FontDescription chosenFont = font;
    render::Rgb chosenColour = colour;
    if (!dialogs().chooseFont(chosenFont, chosenColour)) return false;
    font = chosenFont;
    colour = chosenColour;
    return true;
}

}  // namespace

TTrelmoMDIClient::TTrelmoMDIClient(TTrelmoApp& app, QWidget* parent)
    : QMdiArea(parent), app_(app) {
    app_.kztFileData = {"", document::FileData::kFilter, document::FileData::kDefaultExtension};
    app_.bmpFileData = {"", "Image filer (*.bmp)|*.bmp|All Files (*.*)|*.*|", "BMP"};
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

TTrelmoMDIClient::~TTrelmoMDIClient() = default;

void TTrelmoMDIClient::startHandOver(const std::string& blockName,
                                     const std::string& messageName) {
    handOver_ = std::make_unique<HandOverReceiver>(blockName, messageName);
    handOver_->onMessage = [this](int wParam) { return handOverMessage(wParam); };
}

void TTrelmoMDIClient::command(int id) {
    if (id == cmd::New) {
        NewCrossword();
        return;
    }
    if (id == cmd::CloseAll) {
        CloseAll();
        return;
    }
    for (const auto& c : kCommands) {
        if (c.id == id) {
            (this->*c.handler)();
            return;
        }
    }
}

TTrelmoMDIChild* TTrelmoMDIClient::addChild(TTrelmoWindow* window, const std::string& title) {
    const QMdiSubWindow* active = currentSubWindow();
    const bool maximised = active && active->isMaximized();
    auto* child = new TTrelmoMDIChild(window, title);
    addSubWindow(child);
    if (maximised) {
        child->showMaximized();
    } else {
        child->show();
    }
    setActiveSubWindow(child);
    window->setFocus();
    return child;
}

TTrelmoMDIChild* TTrelmoMDIClient::NewCrossword() {
    char title[64];
    std::snprintf(title, sizeof title, "%s - %d", kDocumentString, ++newCount_);
    return addChild(new TTrelmoWindow, title);
}

TTrelmoMDIChild* TTrelmoMDIClient::OpenCrossword(const std::string& path) {
    app_.kztFileData.fileName = path;
    auto* window = new TTrelmoWindow;
    // A refused file still opens its window, with the default document and the path as title.
    window->Load(path);
    TTrelmoMDIChild* child = addChild(window, path);
    app_.recentFiles.add(path);
    return child;
}

void TTrelmoMDIClient::Open() {
    app_.kztFileData.fileName.clear();
    const auto path = dialogs().openFileName(app_.kztFileData.filter,
                                             app_.kztFileData.defaultExtension);
    if (path) OpenCrossword(*path);
}

void TTrelmoMDIClient::CloseActive() {
    if (QMdiSubWindow* active = currentSubWindow()) active->close();
}

bool TTrelmoMDIClient::CloseAll() {
    for (QMdiSubWindow* child : subWindowList()) {
        if (!child->close()) return false;
    }
    return true;
}

void TTrelmoMDIClient::ArrangeIcons() {
    // Minimised children in a row along the bottom edge.
    int x = 0;
    for (QMdiSubWindow* child : subWindowList()) {
        if (!child->isMinimized()) continue;
        const QSize size = child->size();
        child->move(x, viewport()->height() - size.height());
        x += size.width();
    }
}

TTrelmoWindow* TTrelmoMDIClient::activeCrosswordWindow() const {
    auto* child = qobject_cast<TTrelmoMDIChild*>(currentSubWindow());
    return child ? child->crosswordWindow() : nullptr;
}

std::vector<TTrelmoWindow*> TTrelmoMDIClient::crosswordWindows() const {
    std::vector<TTrelmoWindow*> windows;
    for (QMdiSubWindow* sub : subWindowList()) {
        if (auto* child = qobject_cast<TTrelmoMDIChild*>(sub)) {
            windows.push_back(child->crosswordWindow());
        }
    }
    return windows;
}

int TTrelmoMDIClient::handOverMessage(int wParam) {
    if (wParam == 1 && handOver_) {
        const std::string path = handOver_->readPath();
        if (!path.empty()) OpenCrossword(path);
    } else if (wParam == 2) {
        QWidget* main = window();
        main->show();
        main->raise();
        main->activateWindow();
    }
    return 0;
}

void TTrelmoMDIClient::repaintActiveAndFrame() {
    if (TTrelmoWindow* w = activeCrosswordWindow()) w->repaintAll();
    viewport()->update();
}

void TTrelmoMDIClient::SetClueFont() {
    render::DrawSettings& settings = render::drawSettings();
    if (!chooseFontAndColour(settings.clueFont, settings.clueColour)) return;
    render::currentClueFont = settings.clueFont;
    if (TTrelmoWindow* w = activeCrosswordWindow()) w->view.clueFont = settings.clueFont;
    repaintActiveAndFrame();
}

void TTrelmoMDIClient::SetSolutionFont() {
    render::DrawSettings& settings = render::drawSettings();
    if (!chooseFontAndColour(settings.solutionFont, settings.solutionColour)) return;
    if (TTrelmoWindow* w = activeCrosswordWindow()) w->view.solutionFont = settings.solutionFont;
    repaintActiveAndFrame();
}

void TTrelmoMDIClient::SqueezeFont() {
    render::DrawSettings& settings = render::drawSettings();
    char initial[32];
    std::snprintf(initial, sizeof initial, "%.1d", static_cast<int>(settings.fontSqueeze));
    const auto answer = dialogs().prompt("Squezze the font",
                                         "Specify narrowing of the font (cw in percent)", initial, 3);
    if (!answer) return;
    const int value = ReadInt(*answer);
    if (value >= 6 && value <= 9999) settings.fontSqueeze = value;
    repaintActiveAndFrame();
}

void TTrelmoMDIClient::DefaultSize() {
    render::DrawSettings& settings = render::drawSettings();
    const auto size = AskSize(dialogs(), settings.defaultWidth, settings.defaultHeight, [] {});
    if (!size) return;
    settings.defaultWidth = size->width;
    settings.defaultHeight = size->height;
}

}  // namespace shell
