#pragma once
// The drawing surface over a QPainter (an image now; the screen and the printer use it too).
// Keeps the semantics the painting code relies on (see drawsurface.h): no antialiasing, a
// line's end point left out, pen width 0 drawn one pixel wide, text placed by its cell's
// top-left, positive font heights as cell heights and negative ones as character heights,
// font widths as average character widths, escapement turning the text.
// Text is always drawn without background.
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QPainter>
#include <map>
#include <memory>
#include <string>

#include "drawing/render/drawsurface.h"

namespace output {

class QtSurface : public render::DrawSurface {
public:
    // Paints with `painter` (already active, not owned); `area` is the rectangle being painted,
    // which RectVisible answers against.
    QtSurface(QPainter& painter, const render::Rect& area);
    ~QtSurface() override;

    bool RectVisible(const render::Rect& rect) override;
    render::PenHandle CreatePen(render::Rgb colour, int width) override;
    render::PenHandle SelectPen(render::PenHandle pen) override;
    void DeletePen(render::PenHandle pen) override;
    render::FontHandle CreateFont(const render::FontDescription& font) override;
    render::FontHandle SelectFont(render::FontHandle font) override;
    void DeleteFont(render::FontHandle font) override;
    void SelectWhiteBrush() override;
    void SetTextColor(render::Rgb colour) override;
    void SetTransparentText() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, std::string_view text) override;
    void DrawCentredText(const render::Rect& rect, std::string_view text) override;
    void FillRect(const render::Rect& rect, render::Rgb colour) override;
    void Rectangle(const render::Rect& rect) override;
    void GetCharABCWidths(unsigned char first, unsigned char last, render::AbcWidth* out) override;
    void StretchDib(const render::Rect& dest, const render::DibPixels& image) override;

    // A font made for a description, shared by every surface (making fonts is costly).
    struct Font {
        QFont font;
        int ascent = 0;
        int escapement = 0;                                // tenths of a degree, counter-clockwise
        std::map<unsigned char, render::AbcWidth> widths;  // filled on demand
        // Texts already shaped in this font, placed on a baseline at 0: a repaint draws the
        // same clue lines again, and shaping is most of what drawing a text costs.
        QHash<QString, QList<QGlyphRun>> shaped;
        const QList<QGlyphRun>& Shaped(const QString& text);
        // Widths of the texts already centred in this font (measuring shapes the text too).
        QHash<QString, int> advances;
        int Advance(const QString& text);
    };
    static std::shared_ptr<Font> FontFor(const render::FontDescription& description);

private:
    struct Pen {
        QColor colour;
        int width;
    };
    void DrawTextAt(int left, int top, const QString& text);

    QPainter& painter_;
    QRect area_;
    std::map<int, Pen> pens_;
    std::map<int, std::shared_ptr<Font>> fonts_;
    int nextHandle_ = 1;
    render::PenHandle pen_ = 0;
    render::FontHandle font_ = 0;
    QColor textColour_ = Qt::black;
    // What the painter holds, to skip setting it again (QPainter's setters are not cheap).
    static constexpr int kNoPen = -1;
    static constexpr int kTextPen = -2;
    int appliedPen_ = kNoPen;
    std::shared_ptr<Font> appliedFont_;
    int posX_ = 0, posY_ = 0;
};

}  // namespace output
