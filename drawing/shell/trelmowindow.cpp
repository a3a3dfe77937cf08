#include "drawing/shell/trelmowindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <cstdio>

#include "drawing/document/kztfile.h"
#include "drawing/render/drawsettings.h"
#include "drawing/render/paintgrid.h"
#include "drawing/shell/commandids.h"
#include "drawing/shell/dialogs.h"
#include "drawing/shell/paintsurface.h"
#include "drawing/shell/trelmoapp.h"
#include "drawing/shell/trelmomdichild.h"
#include "drawing/shell/trelmomdiclient.h"
#include "drawing/shell/uitext.h"
#include "platform/messages.h"

namespace shell {

namespace {

using Handler = void (TTrelmoWindow::*)();

struct WindowCommand {
    int id;
    Handler handler;
};

const WindowCommand kCommands[] = {
    {cmd::ViewSolution, &TTrelmoWindow::ToggleSolution},
    {cmd::Zoom, &TTrelmoWindow::Zoom},
    {cmd::Squeeze, &TTrelmoWindow::Squeeze},
    {cmd::Size, &TTrelmoWindow::Size},
    {cmd::Turn90, &TTrelmoWindow::Turn90},
    {cmd::CenterText, &TTrelmoWindow::ToggleCentreText},
    {cmd::ArrowThickness, &TTrelmoWindow::ArrowThickness},
    {cmd::LineThickness, &TTrelmoWindow::LineThickness},
    {cmd::LetterThickness, &TTrelmoWindow::LetterThickness},
};

std::string format(const char* pattern, double value) {
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

// A thickness prompt: the value read is taken when it lies in [low, high].
void askThickness(const char* title, const char* text, int& setting, int low, int high) {
    const auto answer = dialogs().prompt(title, text, std::to_string(setting), 3);
    if (!answer) return;
    const int value = ReadInt(*answer);
    if (value >= low && value <= high) setting = value;
}

}  // namespace

TTrelmoWindow::TTrelmoWindow(QWidget* parent) : QAbstractScrollArea(parent) {
    const render::DrawSettings& settings = render::drawSettings();
    view.doc = document::Crossword(settings.defaultWidth, settings.defaultHeight);
    view.solutionFont = settings.solutionFont;
    view.clueFont = settings.clueFont;
    view.zoom = settings.zoomPercent * 0.01;
    view.showSolution = settings.showSolution;
    view.squeeze = settings.squeeze;
    view.margin = 10;
    view.frameColour = {200, 0, 0};

    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_DeleteOnClose, false);
    viewport()->setAutoFillBackground(false);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setSingleStep(1);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const Square range = InitialScrollRange(settings.defaultWidth, settings.defaultHeight);
    setScrollRange(range.column, range.row);
}

void TTrelmoWindow::command(int id) {
    if (id == cmd::Save) {
        Save();
        return;
    }
    if (id == cmd::SaveAs) {
        SaveAs();
        return;
    }
    if (id == cmd::ViewAllSolutions) {
        // The general flag and every open window, each inverting its own state.
        render::drawSettings().showSolution = !render::drawSettings().showSolution;
        if (auto* client = child() ? qobject_cast<TTrelmoMDIClient*>(child()->mdiArea())
                                   : nullptr) {
            for (TTrelmoWindow* w : client->crosswordWindows()) w->ToggleSolution();
        } else {
            ToggleSolution();
        }
        return;
    }
    for (const auto& c : kCommands) {
        if (c.id == id) {
            (this->*c.handler)();
            return;
        }
    }
}

TTrelmoMDIChild* TTrelmoWindow::child() const {
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* c = qobject_cast<TTrelmoMDIChild*>(w)) return c;
    }
    return nullptr;
}

std::string TTrelmoWindow::title() const {
    const TTrelmoMDIChild* c = child();
    return c ? c->title() : std::string();
}

bool TTrelmoWindow::Load(const std::string& path) {
    const std::string startDir = TTrelmoApp::instance() ? TTrelmoApp::instance()->startDir : ".";
    const bool loaded = document::Load(view.doc, path, startDir) == document::LoadResult::Loaded;
    KeepCursorInside(view);
    repaintAll();
    return loaded;
}

bool TTrelmoWindow::Save() {
    const std::string path = title();
    if (view.doc.untitled || path.size() < 2) return SaveAs();
    // The title holds the path up to the length of a Windows path buffer.
    return document::Save(view.doc, path.substr(0, 299));
}

bool TTrelmoWindow::SaveAs() {
    if (view.doc.untitled) view.doc.fileData.fileName.clear();
    const auto chosen = dialogs().saveFileName(document::FileData::kFilter,
                                               document::FileData::kDefaultExtension,
                                               view.doc.fileData.fileName);
    if (!chosen) return false;
    view.doc.fileData.fileName = *chosen;
    if (!document::Save(view.doc, *chosen)) return false;
    if (TTrelmoMDIChild* c = child()) c->setTitle(*chosen);
    return true;
}

bool TTrelmoWindow::CanClose() {
    if (!view.doc.modified) return true;
    std::string name = title();
    if (name.size() < 2) name = "Noname.kzt";
    char text[700];
    std::snprintf(text, sizeof text, "%s is changed - do you want to save before leaving the program ?",
                  name.c_str());
    switch (platform::showMessage(text, "Save before termination ?", platform::Icon::Question,
                                  platform::Buttons::YesNoCancel)) {
        case platform::Answer::Yes:
            // A failed or cancelled save keeps the window and its changes.
            return Save();
        case platform::Answer::No:
            return true;
        default:
            return false;
    }
}

Viewport TTrelmoWindow::port() const {
    return {horizontalScrollBar()->value(), verticalScrollBar()->value(),
            QAbstractScrollArea::viewport()->width(), QAbstractScrollArea::viewport()->height()};
}

void TTrelmoWindow::scrollBy(const ScrollRequest& request) {
    if (request.dx) horizontalScrollBar()->setValue(horizontalScrollBar()->value() + request.dx);
    if (request.dy) verticalScrollBar()->setValue(verticalScrollBar()->value() + request.dy);
}

void TTrelmoWindow::repaintAll() { QAbstractScrollArea::viewport()->update(); }

void TTrelmoWindow::setScrollRange(int horizontal, int vertical) {
    horizontalScrollBar()->setRange(0, std::max(0, horizontal));
    verticalScrollBar()->setRange(0, std::max(0, vertical));
}

void TTrelmoWindow::scrollContentsBy(int, int) { repaintAll(); }

void TTrelmoWindow::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    repaintAll();
}

void TTrelmoWindow::paintEvent(QPaintEvent* event) {
    QWidget* area = QAbstractScrollArea::viewport();
    QPainter painter(area);
    const QRect dirty = event->rect();
    painter.fillRect(dirty, Qt::white);
    const int offsetX = kScrollUnit * horizontalScrollBar()->value();
    const int offsetY = kScrollUnit * verticalScrollBar()->value();
    painter.translate(-offsetX, -offsetY);
    const QRect inGrid = dirty.translated(offsetX, offsetY);
    const render::Rect rect{inGrid.left(), inGrid.top(), inGrid.right() + 1, inGrid.bottom() + 1};
    PaintOnScreen(view, painter, rect, area->height());
}

void TTrelmoWindow::keyPressEvent(QKeyEvent* event) {
    const Viewport here = port();
    std::optional<GridKey> key;
    switch (event->key()) {
        case Qt::Key_Left:
            key = GridKey::Left;
            break;
        case Qt::Key_Right:
            key = GridKey::Right;
            break;
        case Qt::Key_Up:
            key = GridKey::Up;
            break;
        case Qt::Key_Down:
            key = GridKey::Down;
            break;
        case Qt::Key_PageUp:
            key = GridKey::PageUp;
            break;
        case Qt::Key_PageDown:
            key = GridKey::PageDown;
            break;
        case Qt::Key_Delete:
            // Ctrl+Del is the image-file command of the frame.
            if (event->modifiers() & Qt::ControlModifier) break;
            key = GridKey::Delete;
            break;
        case Qt::Key_Backspace:
            key = GridKey::Backspace;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // The clue-square editor opens here once it is part of the program.
            repaintAll();
            return;
        default:
            break;
    }
    if (key) {
        scrollBy(PressKey(view, *key, here));
        repaintAll();
        return;
    }
    if (!event->text().isEmpty() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        typeText(event->text());
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void TTrelmoWindow::typeText(const QString& text) {
    for (char c : cp1252(text)) {
        ScrollRequest scroll;
        if (TypeCharacter(view, c, port(), scroll) == Typed::Refused) QApplication::beep();
        scrollBy(scroll);
    }
    repaintAll();
}

void TTrelmoWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    const int x = p.x() + kScrollUnit * horizontalScrollBar()->value();
    const int y = p.y() + kScrollUnit * verticalScrollBar()->value();
    const auto square = SquareAt(view, x, y);
    if (!square) return;
    if (event->button() == Qt::RightButton) {
        document::KPoint& target = view.doc.grid.At(square->column, square->row);
        SeparatorTrans trans = SeparatorPreset(target);
        if (!dialogs().separatorDialog(trans)) return;
        view.doc.modified = true;
        ApplySeparators(target, trans);
        repaintAll();
    }
    // The left button opens the clue-square editor and the middle one places pictures, once
    // those are part of the program; until then a click changes nothing.
}

void TTrelmoWindow::ToggleSolution() {
    view.showSolution = !view.showSolution;
    repaintAll();
}

void TTrelmoWindow::Zoom() {
    const auto answer = dialogs().prompt("Zoom in or out", "Set Zoom-%", ZoomText(view.zoom), 7);
    if (!answer) return;
    view.zoom = ReadReal(*answer) * 0.01;
    const int rows = view.doc.dimensions.height;
    const int columns = view.doc.dimensions.width;
    view.squareHeight = static_cast<int>(
        std::trunc(QAbstractScrollArea::viewport()->height() * view.zoom / (rows + 2)));
    const int horizontal =
        static_cast<int>(std::trunc(columns * view.squeeze * view.squareHeight + view.margin)) /
            kScrollUnit + 1;
    const int vertical = (view.margin + view.squareHeight * rows) / kScrollUnit + 1;
    setScrollRange(horizontal, vertical);
    repaintAll();
}

void TTrelmoWindow::Squeeze() {
    const auto answer = dialogs().prompt("Sqeeze", "Set ratio for horizontal sqeezing of the crossword",
                                         format("%3.3f", view.squeeze * 100), 7);
    if (!answer) return;
    view.squeeze = ReadReal(*answer) * 0.01;
    repaintAll();
}

void TTrelmoWindow::Size() {
    const auto size = AskSize(dialogs(), view.doc.dimensions.width, view.doc.dimensions.height,
                              [this] { view.doc.modified = true; });
    if (!size) return;
    ResizeGrid(view, size->width, size->height);
    repaintAll();
}

void TTrelmoWindow::Turn90() {
    TurnGrid(view);
    repaintAll();
}

void TTrelmoWindow::ToggleCentreText() {
    render::DrawSettings& settings = render::drawSettings();
    settings.centreText = settings.centreText ? 0 : 1;
    repaintAll();
}

void TTrelmoWindow::ArrowThickness() {
    render::DrawSettings& settings = render::drawSettings();
    if (lastArrowThickness == 0) lastArrowThickness = settings.arrowThickness;
    askThickness("Tykkelse p\xE5 Pile", "Angiv ny piltykkelse", lastArrowThickness, 1, 30);
    settings.arrowThickness = lastArrowThickness;
    repaintAll();
}

void TTrelmoWindow::LineThickness() {
    render::DrawSettings& settings = render::drawSettings();
    if (settings.lineThickness < 0) settings.lineThickness = 4;
    askThickness("Tykkelse p\xE5 Streger", "Angiv ny stregtykkelse", settings.lineThickness, 0,
                 10);
    repaintAll();
}

void TTrelmoWindow::LetterThickness() {
    render::DrawSettings& settings = render::drawSettings();
    if (settings.letterWeight < 0) settings.letterWeight = 0;
    askThickness("Hvor fede skal bogstaverne v\xE6re", "Angiv ny tykkelse", settings.letterWeight,
                 0, 1000);
    repaintAll();
}

}  // namespace shell
