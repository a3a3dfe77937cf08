#include "cluelayout.h"

#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>

#include "drawsettings.h"
#include "metrics.h"

namespace render {

namespace {

constexpr Rgb kArrowBlue{0, 0, 255};
constexpr int kVerticalEscapement = 2700;

struct Point {
    int x;
    int y;
};

// A clue text as the layout reads it: up to the terminator, never past the buffer.
std::string_view ClueText(const KPoint& square) {
    return {square.text, strnlen(square.text, sizeof square.text)};
}

bool IsLineBreak(char c) { return c == '|' || c == '\n' || c == '\r'; }

bool IsMarkup(char c) {
    switch (static_cast<unsigned char>(c)) {
        case '_':
        case '^':
        case '~':
        case '>':
        case 0xBD:
        case '<':
        case '@':
        case '[':
        case ']':
        case '{':
        case '}':
        case 0xA4:
        case '#':
        case '!':
        case 0xA3:
            return true;
        default:
            return false;
    }
}

// How far an element moves the running y (the layout and the hit test agree on it).
enum class StepKind { Raise, RaiseUp, RaiseQuarter, None, Vertical };

StepKind StepOf(unsigned char c) {
    switch (c) {
        case '>':
        case 0xBD:
        case '<':
            return StepKind::RaiseUp;
        case '@':
        case '[':
        case '}':
        case 0xA4:
            return StepKind::None;
        case '!':
            return StepKind::RaiseQuarter;
        case 0xA3:
            return StepKind::Vertical;
        default:
            return StepKind::Raise;
    }
}

int StepPx(StepKind kind, int r, int a) {
    switch (kind) {
        case StepKind::Raise:
            return r;
        case StepKind::RaiseUp:
            return r - (2 * a) / 3;
        case StepKind::RaiseQuarter:
            return r + a / 4;
        default:
            return 0;
    }
}

// The characters an element swallows behind it: after '_' a second '_' (the long rule) and
// then one '|'.
std::size_t SwallowAfterRule(std::string_view text, std::size_t i) {
    if (i + 1 < text.size() && text[i + 1] == '_') ++i;
    if (i + 1 < text.size() && text[i + 1] == '|') ++i;
    return i;
}

class ClueLayout {
public:
    ClueLayout(const KPoint& square, DrawSurface& surface, int a, int x, int y0)
        : square_(square), surface_(surface), a_(a), x_(x), y0_(y0), y_(y0) {}

    void Run() {
        const DrawSettings& settings = drawSettings();
        centre_ = (settings.centreText & 0xFF) != 0;
        centring_ = Rect{centre_ ? x_ - a_ / 19 : x_, y_, x_ + a_, y0_ + a_};
        working_ = currentClueFont;
        working_.weight = settings.letterWeight;

        inUse_ = ClueFontOfLine(square_, working_, a_, 1);
        font_ = surface_.CreateFont(inUse_);
        previousFont_ = surface_.SelectFont(font_);
        linePen_ = surface_.CreatePen(kBlack, settings.lineThickness);
        previousPen_ = surface_.SelectPen(linePen_);

        const std::string_view text = ClueText(square_);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char c = text[i];
            if (IsLineBreak(c)) {
                y_ += R();
                FontCheck();
                DrawLine();
                y_ += LineHeightPx(square_, a_, line_);
                ++line_;
                buffer_.clear();
            } else if (buffer_.empty() && IsMarkup(c)) {
                const auto code = static_cast<unsigned char>(c);
                DrawElement(code, i + 1 < text.size() && text[i + 1] == '_');
                if (code != 0xA3) ++line_;
                if (code == '_') i = SwallowAfterRule(text, i);
            } else {
                buffer_.push_back(c);
            }
            FontCheck();
        }
        y_ += R();
        FontCheck();
        if (!buffer_.empty()) DrawLine();

        surface_.SelectFont(previousFont_);
        surface_.DeleteFont(font_);
        surface_.SelectPen(previousPen_);
        surface_.DeletePen(linePen_);
    }

private:
    int R() const { return RaisePx(square_, a_, line_); }

    // Keeps the font in use when it has the line's size; a font made before the text turned
    // vertical does not serve vertical text.
    void FontCheck() {
        const LineFontSize wanted = ClueFontSize(square_, working_, a_, line_);
        if (FontServes(inUse_, wanted) && inUse_.escapement == working_.escapement) return;
        surface_.SelectFont(previousFont_);
        surface_.DeleteFont(font_);
        inUse_ = ClueFontOfLine(square_, working_, a_, line_);
        font_ = surface_.CreateFont(inUse_);
        surface_.SelectFont(font_);
    }

    void DrawLine() {
        if (centre_ && indent_ < 1) {
            centring_.top = y_;
            if (!buffer_.empty()) surface_.DrawCentredText(centring_, buffer_);
        } else {
            if (!buffer_.empty()) surface_.TextOut(x_ + indent_, y_, buffer_);
            indent_ = 0;
        }
    }

    void Strokes(std::initializer_list<Point> points) {
        auto p = points.begin();
        surface_.MoveTo(p->x, p->y);
        for (++p; p != points.end(); ++p) surface_.LineTo(p->x, p->y);
    }

    void DrawElement(unsigned char c, bool longRule) {
        const int a = a_, x = x_, y0 = y0_;
        const int r = R();
        if (c == 0xA3) {
            working_.escapement = kVerticalEscapement;
            working_.orientation = kVerticalEscapement;
            indent_ = (9 * a) / 10;
            return;
        }
        y_ += StepPx(StepOf(c), r, a);
        const int y = y_;
        const bool blue = c == '[' || c == ']' || c == '{' || c == '}' || c == 0xA4;
        PenHandle arrowPen = 0;
        if (blue) {
            arrowPen = surface_.CreatePen(kArrowBlue, drawSettings().arrowThickness);
            surface_.SelectPen(arrowPen);
        }
        switch (c) {
            case '_':
                Strokes({{x, y}, {x + (longRule ? (19 * a) / 10 : (9 * a) / 10), y}});
                break;
            case '^':
            case '~': {
                const int d = c == '^' ? a / 3 : -(a / 3);
                Strokes({{x + a / 6, y},
                         {x + a / 6, y + d},
                         {x + a / 2, y + d},
                         {x + a / 3, y + d - a / 16}});
                Strokes({{x + a / 2, y + d}, {x + a / 3, y + d + a / 16}});
                break;
            }
            case '>': {
                const int tip = x + 8 * (a / 6);
                Strokes(
                    {{x + 5 * (a / 6), y}, {tip, y}, {tip, y + a / 3}, {tip - a / 16, y + a / 6}});
                Strokes({{tip, y + a / 3}, {tip + a / 16, y + a / 6}});
                break;
            }
            case 0xBD:
            case '<': {
                const int tip = c == '<' ? x - a / 3 : x - 2 * (a / 6);
                Strokes({{x + a / 6, y}, {tip, y}, {tip, y + a / 3}, {tip - a / 16, y + a / 6}});
                Strokes({{tip, y + a / 3}, {tip + a / 16, y + a / 6}});
                break;
            }
            case '@':
                Strokes({{x + r, y0 + a / 20}, {x + r, y0 + (9 * a) / 10}});
                break;
            case '[':
                Strokes({{x + r, y0 + a / 10},
                         {x + r, y0 + (8 * a) / 10},
                         {x + r - a / 16, y0 + (6 * a) / 10}});
                Strokes({{x + r, y0 + (8 * a) / 10}, {x + r + a / 16, y0 + (6 * a) / 10}});
                break;
            case ']':
                Strokes({{x + a / 10, y}, {x + (8 * a) / 10, y}, {x + (6 * a) / 10, y + a / 16}});
                Strokes({{x + (8 * a) / 10, y}, {x + (6 * a) / 10, y - a / 16}});
                break;
            case '{':
                Strokes({{x + a / 4, y0 + a / 10},
                         {x + a / 4, y},
                         {x + (8 * a) / 10, y},
                         {x + (6 * a) / 10, y + a / 16}});
                Strokes({{x + (8 * a) / 10, y}, {x + (6 * a) / 10, y - a / 16}});
                break;
            case '}': {
                int w = FontWidthPx(square_, a, line_);
                if (w == 0) w = 1;
                const int ys = y0 + (a * w) / 4;
                const int yb = ys >= y0 + (6 * a) / 10 ? ys : y0 + (6 * a) / 10 + 1;
                Strokes({{x + a / 10, ys},
                         {x + r, ys},
                         {x + r, y0 + (9 * a) / 10},
                         {x + r - a / 16, yb}});
                Strokes({{x + r, y0 + (9 * a) / 10}, {x + r + a / 16, yb}});
                break;
            }
            case 0xA4:
                Strokes({{x + (9 * a) / 10, y0 + a / 4},
                         {x + r, y0 + a / 4},
                         {x + r, y0 + (8 * a) / 10},
                         {x + r - a / 16, y0 + (6 * a) / 10}});
                Strokes({{x + r, y0 + (8 * a) / 10}, {x + r + a / 16, y0 + (6 * a) / 10}});
                break;
            case '#': {
                const int tip = x + 8 * (a / 6);
                Strokes({{x + 5 * (a / 6), y}, {tip, y}, {x + 7 * (a / 6), y + a / 16}});
                Strokes({{tip, y}, {x + 7 * (a / 6), y - a / 16}});
                break;
            }
            case '!': {
                const int sx = x + 2 * (a / 3);
                const int t = y + a / 3 + a / 16;
                Strokes({{sx, y}, {sx, t}, {sx + a / 16, t - a / 6}});
                Strokes({{sx, t}, {sx - a / 16, t - a / 6}});
                break;
            }
        }
        if (blue) {
            surface_.SelectPen(linePen_);
            surface_.DeletePen(arrowPen);
        }
    }

    const KPoint& square_;
    DrawSurface& surface_;
    const int a_, x_, y0_;
    int y_;
    int line_ = 1;
    int indent_ = 0;
    bool centre_ = false;
    Rect centring_;
    std::string buffer_;
    FontDescription working_;
    FontDescription inUse_;
    FontHandle font_ = 0, previousFont_ = 0;
    PenHandle linePen_ = 0, previousPen_ = 0;
};

}  // namespace

void LayOutClue(const KPoint& square, DrawSurface& surface, int a, int x, int y0) {
    if (a < 1) return;
    if (!surface.RectVisible(Rect{x, y0, x + a, y0 + a})) return;
    ClueLayout(square, surface, a, x, y0).Run();
}

LineHit LineAt(const KPoint& square, int a, int y) {
    const std::string_view text = ClueText(square);
    int running = 2;
    int line = 1;
    bool gathered = false;  // text gathered since the last break or element
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const int r = RaisePx(square, a, line);
        if (IsLineBreak(c)) {
            const int height = LineHeightPx(square, a, line);
            running += r + height;
            if (running > y) return {line, height, running};
            ++line;
            gathered = false;
            continue;
        }
        const auto code = static_cast<unsigned char>(c);
        if (gathered || !IsMarkup(c)) {
            gathered = true;
            continue;
        }
        if (code == 0xA3) continue;  // turns the text, takes no line and no step
        const StepKind kind = StepOf(code);
        const int step = StepPx(kind, r, a);
        running += step;
        if (running > y) return {line, kind == StepKind::RaiseUp ? step : r, running};
        ++line;
        if (code == '_') i = SwallowAfterRule(text, i);
    }
    const int height = LineHeightPx(square, a, line);
    return {line, height, running + RaisePx(square, a, line) + height};
}

}  // namespace render
