#include "qtsurface.h"

#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/cp1252.h"

namespace output {

using render::AbcWidth;
using render::FontDescription;
using render::FontHandle;
using render::PenHandle;
using render::Rect;
using render::Rgb;

namespace {

// Fonts made per paint repeat from square to square; beyond this many descriptions the
// cache starts over (fonts in use stay alive through their surfaces).
constexpr std::size_t kFontCacheLimit = 512;
// Size at which a face's cell height is measured to turn cell heights into pixel sizes.
constexpr int kProbePixels = 256;
// Shaped texts kept per font; beyond this the font's store starts over.
constexpr qsizetype kShapedLimit = 20000;

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

QString FromCp1252(std::string_view text) {
    return QString::fromStdString(platform::cp1252ToUtf8(text));
}

std::string FontKey(const FontDescription& d) {
    std::string key(reinterpret_cast<const char*>(&d.height), sizeof d.height);
    for (int value : {d.width, d.escapement, d.orientation, d.weight})
        key.append(reinterpret_cast<const char*>(&value), sizeof value);
    for (std::uint8_t value : {d.italic, d.underline, d.strikeOut, d.charSet, d.quality})
        key.push_back(static_cast<char>(value));
    key.append(d.faceName, strnlen(d.faceName, sizeof d.faceName));
    return key;
}

std::shared_ptr<QtSurface::Font> MakeFont(const FontDescription& d) {
    QFont font(FromCp1252(std::string_view(d.faceName, strnlen(d.faceName, sizeof d.faceName))));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(d.weight == 0 ? 400 : d.weight, 1, 1000)));
    font.setItalic(d.italic != 0);
    font.setUnderline(d.underline != 0);
    font.setStrikeOut(d.strikeOut != 0);

    // Qt's pixel size is the character (em) height; a positive height is the cell height
    // (ascent + descent), so scale by the face's own ratio.
    int pixels = 0;
    if (d.height < 0) {
        pixels = -d.height;
    } else if (d.height > 0) {
        QFont probe(font);
        probe.setPixelSize(kProbePixels);
        const QFontMetrics metrics(probe);
        const int cell = std::max(1, metrics.ascent() + metrics.descent());
        pixels = static_cast<int>(std::lround(d.height * double(kProbePixels) / cell));
    } else {
        pixels = 16;  // the device's default size
    }
    font.setPixelSize(std::max(1, pixels));

    if (d.width > 0) {
        // Stretch counts from the face's own width at 100, whatever its design width.
        QFont plain(font);
        plain.setStretch(100);
        const int natural = QFontMetrics(plain).averageCharWidth();
        if (natural > 0)
            font.setStretch(
                std::clamp(static_cast<int>(std::lround(d.width * 100.0 / natural)), 1, 4000));
    }
    auto made = std::make_shared<QtSurface::Font>();
    made->font = font;
    made->ascent = QFontMetrics(font).ascent();
    made->escapement = d.escapement;
    return made;
}

}  // namespace

const QList<QGlyphRun>& QtSurface::Font::Shaped(const QString& text) {
    if (auto found = shaped.constFind(text); found != shaped.constEnd()) return *found;
    if (shaped.size() >= kShapedLimit) shaped.clear();
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    QList<QGlyphRun> runs = layout.glyphRuns();
    const qreal baseline = line.y() + line.ascent();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions) position.ry() -= baseline;
        run.setPositions(positions);
    }
    return *shaped.insert(text, std::move(runs));
}

int QtSurface::Font::Advance(const QString& text) {
    if (auto found = advances.constFind(text); found != advances.constEnd()) return *found;
    if (advances.size() >= kShapedLimit) advances.clear();
    return *advances.insert(text, QFontMetrics(font).horizontalAdvance(text));
}

std::shared_ptr<QtSurface::Font> QtSurface::FontFor(const FontDescription& description) {
    // Leaked on purpose: fonts must not outlive the application object at exit.
    static auto* cache = new std::map<std::string, std::shared_ptr<Font>>;
    const std::string key = FontKey(description);
    if (auto found = cache->find(key); found != cache->end()) return found->second;
    if (cache->size() >= kFontCacheLimit) cache->clear();
    return (*cache)[key] = MakeFont(description);
}

QtSurface::QtSurface(QPainter& painter, const Rect& area)
    : painter_(painter), area_(ToQRect(area)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    pens_[0] = Pen{Qt::black, 1};
    fonts_[0] = FontFor(FontDescription{});
}

QtSurface::~QtSurface() = default;

bool QtSurface::RectVisible(const Rect& rect) { return ToQRect(rect).intersects(area_); }

PenHandle QtSurface::CreatePen(Rgb colour, int width) {
    const int handle = nextHandle_++;
    pens_[handle] = Pen{ToQColor(colour), width};
    return handle;
}

PenHandle QtSurface::SelectPen(PenHandle pen) {
    const PenHandle previous = pen_;
    if (pens_.count(pen)) pen_ = pen;
    return previous;
}

void QtSurface::DeletePen(PenHandle pen) {
    if (pen == 0 || pen == pen_) return;
    pens_.erase(pen);
    if (appliedPen_ == pen) appliedPen_ = kNoPen;
}

FontHandle QtSurface::CreateFont(const FontDescription& font) {
    const int handle = nextHandle_++;
    fonts_[handle] = FontFor(font);
    return handle;
}

FontHandle QtSurface::SelectFont(FontHandle font) {
    const FontHandle previous = font_;
    if (fonts_.count(font)) font_ = font;
    return previous;
}

void QtSurface::DeleteFont(FontHandle font) {
    if (font != 0 && font != font_) fonts_.erase(font);
}

void QtSurface::SelectWhiteBrush() {}  // the only brush Rectangle fills with

void QtSurface::SetTextColor(Rgb colour) {
    const QColor changed = ToQColor(colour);
    if (changed != textColour_ && appliedPen_ == kTextPen) appliedPen_ = kNoPen;
    textColour_ = changed;
}

void QtSurface::SetTransparentText() {}  // text never fills its background here

void QtSurface::MoveTo(int x, int y) {
    posX_ = x;
    posY_ = y;
}

void QtSurface::LineTo(int x, int y) {
    const Pen& pen = pens_[pen_];
    const int dx = x - posX_, dy = y - posY_;
    if (appliedPen_ != pen_) {
        if (pen.width <= 1)
            painter_.setPen(QPen(pen.colour, 0));  // cosmetic: one pixel
        else
            painter_.setPen(
                QPen(pen.colour, pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        appliedPen_ = pen_;
    }
    if (pen.width <= 1) {
        // The end point is not drawn: stop one step short along the longer axis.
        const int steps = std::max(std::abs(dx), std::abs(dy));
        if (steps == 1) {
            painter_.drawPoint(posX_, posY_);
        } else if (steps > 1) {
            const double t = (steps - 1.0) / steps;
            painter_.drawLine(posX_, posY_, posX_ + static_cast<int>(std::lround(dx * t)),
                              posY_ + static_cast<int>(std::lround(dy * t)));
        }
    } else if (dx != 0 || dy != 0) {
        painter_.drawLine(posX_, posY_, x, y);
    }
    posX_ = x;
    posY_ = y;
}

void QtSurface::DrawTextAt(int left, int top, const QString& text) {
    const std::shared_ptr<Font>& selected = fonts_[font_];
    const Font& font = *selected;
    if (appliedFont_ != selected) {
        painter_.setFont(font.font);
        appliedFont_ = selected;  // held, so its address is not reused while compared
    }
    if (appliedPen_ != kTextPen) {
        painter_.setPen(textColour_);
        appliedPen_ = kTextPen;
    }
    const QList<QGlyphRun>& runs = selected->Shaped(text);
    if (font.escapement == 0) {
        for (const QGlyphRun& run : runs)
            painter_.drawGlyphRun(QPointF(left, top + font.ascent), run);
        return;
    }
    // Escapement counts counter-clockwise with y upwards; the surface's y runs down.
    painter_.save();
    painter_.translate(left, top);
    painter_.rotate(-font.escapement / 10.0);
    for (const QGlyphRun& run : runs) painter_.drawGlyphRun(QPointF(0, font.ascent), run);
    painter_.restore();
}

void QtSurface::TextOut(int x, int y, std::string_view text) {
    if (!text.empty()) DrawTextAt(x, y, FromCp1252(text));
}

void QtSurface::DrawCentredText(const Rect& rect, std::string_view text) {
    if (text.empty()) return;
    const QString line = FromCp1252(text);
    const int advance = fonts_[font_]->Advance(line);
    painter_.save();
    painter_.setClipRect(ToQRect(rect), Qt::IntersectClip);
    DrawTextAt(rect.left + (rect.right - rect.left - advance) / 2, rect.top, line);
    painter_.restore();
    appliedFont_ = nullptr;  // restore() brought back the painter's earlier pen and font
    appliedPen_ = kNoPen;
}

void QtSurface::FillRect(const Rect& rect, Rgb colour) {
    painter_.fillRect(ToQRect(rect), ToQColor(colour));
}

void QtSurface::Rectangle(const Rect& rect) {
    painter_.fillRect(ToQRect(rect), Qt::white);
    if (rect.right - rect.left < 2 || rect.bottom - rect.top < 2) return;
    MoveTo(rect.left, rect.top);
    LineTo(rect.right - 1, rect.top);
    LineTo(rect.right - 1, rect.bottom - 1);
    LineTo(rect.left, rect.bottom - 1);
    LineTo(rect.left, rect.top);
}

void QtSurface::GetCharABCWidths(unsigned char first, unsigned char last, AbcWidth* out) {
    Font& font = *fonts_[font_];
    const QFontMetrics metrics(font.font);
    for (int c = first; c <= last; ++c) {
        const auto code = static_cast<unsigned char>(c);
        auto known = font.widths.find(code);
        if (known == font.widths.end()) {
            const QChar ch(static_cast<char16_t>(platform::cp1252ToUnicode(code)));
            AbcWidth width;
            width.a = metrics.leftBearing(ch);
            width.c = metrics.rightBearing(ch);
            width.b = metrics.horizontalAdvance(ch) - width.a - width.c;
            known = font.widths.emplace(code, width).first;
        }
        out[c - first] = known->second;
    }
}

void QtSurface::StretchDib(const Rect& dest, const render::DibPixels& image) {
    if (image.width <= 0 || image.height <= 0) return;
    QImage source(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  QImage::Format_ARGB32);
    const bool mirrorX = dest.right < dest.left, mirrorY = dest.bottom < dest.top;
    if (mirrorX || mirrorY) source = source.mirrored(mirrorX, mirrorY);
    painter_.drawImage(ToQRect(dest).normalized(), source);
}

}  // namespace output
