#pragma once
// A surface that draws nothing and keeps every operation with its arguments, for tests of
// the painting code. It also checks the handle discipline: fonts and pens selected after
// being deleted, deleted while selected, or never deleted show up in problems().
#include <map>
#include <string>
#include <vector>

#include "drawsurface.h"

namespace render {

class RecordingSurface : public DrawSurface {
public:
    enum class Kind {
        RectVisible,
        CreatePen,
        SelectPen,
        DeletePen,
        CreateFont,
        SelectFont,
        DeleteFont,
        SelectWhiteBrush,
        SetTextColor,
        SetTransparentText,
        MoveTo,
        LineTo,
        TextOut,
        DrawCentredText,
        FillRect,
        Rectangle,
        GetCharABCWidths,
        StretchDib
    };
    struct Op {
        Kind kind = Kind::RectVisible;
        int handle = 0;        // the pen or font made, selected or deleted
        Rgb colour;            // pens, text colour, fills
        int width = 0;         // pens
        FontDescription font;  // fonts made
        int x = 0, y = 0;      // MoveTo, LineTo, TextOut
        Rect rect;             // visible tests, centred text, fills, rectangles, pictures
        std::string text;
    };
    // A line as drawn: from, to (excluded) and the pen it was drawn with.
    struct Line {
        int x1, y1, x2, y2;
        Rgb colour;
        int width;
        bool operator==(const Line&) const = default;
    };
    struct Text {
        int x, y;  // TextOut: top-left; centred text: rect.left, rect.top
        std::string text;
        FontDescription font;
        Rgb colour;
        bool centred = false;
        Rect rect;  // centred text only
    };

    // What RectVisible answers against; everything by default.
    Rect visibleArea{-1000000, -1000000, 1000000, 1000000};
    // GetCharABCWidths answers from here; characters not listed get defaultWidth.
    std::map<unsigned char, AbcWidth> charWidths;
    AbcWidth defaultWidth{1, 10, 1};

    bool RectVisible(const Rect& rect) override;
    PenHandle CreatePen(Rgb colour, int width) override;
    PenHandle SelectPen(PenHandle pen) override;
    void DeletePen(PenHandle pen) override;
    FontHandle CreateFont(const FontDescription& font) override;
    FontHandle SelectFont(FontHandle font) override;
    void DeleteFont(FontHandle font) override;
    void SelectWhiteBrush() override;
    void SetTextColor(Rgb colour) override;
    void SetTransparentText() override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, std::string_view text) override;
    void DrawCentredText(const Rect& rect, std::string_view text) override;
    void FillRect(const Rect& rect, Rgb colour) override;
    void Rectangle(const Rect& rect) override;
    void GetCharABCWidths(unsigned char first, unsigned char last, AbcWidth* out) override;
    void StretchDib(const Rect& dest, const DibPixels& image) override;

    const std::vector<Op>& ops() const { return ops_; }
    std::vector<Op> opsOf(Kind kind) const;
    const std::vector<Line>& lines() const { return lines_; }
    const std::vector<Text>& texts() const { return texts_; }
    // Misuse of handles, and pens or fonts still alive (besides the defaults, handle 0).
    std::vector<std::string> problems() const;
    void clear();

private:
    Op& Add(Kind kind);

    struct Pen {
        Rgb colour;
        int width;
    };
    std::vector<Op> ops_;
    std::vector<Line> lines_;
    std::vector<Text> texts_;
    std::vector<std::string> misuse_;
    std::map<int, Pen> pens_{{0, Pen{kBlack, 1}}};
    std::map<int, FontDescription> fonts_{{0, FontDescription{}}};
    int nextHandle_ = 1;
    PenHandle pen_ = 0;
    FontHandle font_ = 0;
    Rgb textColour_;
    int posX_ = 0, posY_ = 0;
};

}  // namespace render
