#pragma once
// A crossword window: owns one crossword and its view state, paints it through PaintGrid,
// and carries out the editing keys, mouse clicks and the commands of a crossword window.
#include <QAbstractScrollArea>
#include <string>

#include "drawing/render/crosswordview.h"
#include "drawing/shell/gridediting.h"

namespace shell {

class TTrelmoMDIChild;

class TTrelmoWindow : public QAbstractScrollArea {
    Q_OBJECT
public:
    // A window with the default document (the default size of new crosswords) and the view
    // values taken from the drawing settings.
    explicit TTrelmoWindow(QWidget* parent = nullptr);

    render::CrosswordView view;
    int lastArrowThickness = 0;  // 0: the prompt starts from the general arrow thickness

    // Loads `path` into the document; false (document unchanged) when refused.
    bool Load(const std::string& path);
    // Save to the title's path, or Save as when the document has none. True when written.
    bool Save();
    // Asks for a name and saves there; false on Cancel or when the save failed.
    bool SaveAs();
    // The close prompt for a changed document; true when the window may close.
    bool CanClose();

    void command(int id);

    // The frame's title (the document's path, or Document - N); empty without a frame.
    std::string title() const;
    TTrelmoMDIChild* child() const;

    Viewport port() const;
    void scrollBy(const ScrollRequest& request);
    // Full repaint of the drawing area.
    void repaintAll();

    // The window's editing commands.
    void ToggleSolution();
    void Zoom();
    void Squeeze();
    void Size();
    void Turn90();
    void ToggleCentreText();
    void ArrowThickness();
    void LineThickness();
    void LetterThickness();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void setScrollRange(int horizontal, int vertical);
    void typeText(const QString& text);
};

}  // namespace shell
