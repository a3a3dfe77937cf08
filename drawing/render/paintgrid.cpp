#include "paintgrid.h"

#include <cmath>

#include "cluelayout.h"
#include "drawpictures.h"
#include "drawsettings.h"
#include "metrics.h"

namespace render {

namespace {

// Widths of the solution font, measured once per paint: 'A'..'Z' for the letters, and
// 0x5B..0x7F so that letters imported from plain grids are centred by their own glyphs.
constexpr unsigned char kFirstMeasured = 'A';
constexpr unsigned char kLastMeasured = 0x7F;

struct LetterWidths {
    AbcWidth widths[kLastMeasured - kFirstMeasured + 1];

    const AbcWidth& of(unsigned char c) const {
        if (c == 0xC6) return widths['W' - kFirstMeasured];  // Æ
        if (c < kFirstMeasured || c > kLastMeasured) return widths[0];
        return widths[c - kFirstMeasured];
    }
};

void ComputeSquareSize(CrosswordView& view, int clientHeight) {
    view.squareHeight = SquareHeightFor(clientHeight, view.zoom, view.doc.grid.height());
    view.squareWidth = SquareWidthFor(view.squareHeight, view.squeeze);
}

void DrawLetters(CrosswordView& view, DrawSurface& surface, const LetterWidths& letterWidths,
                 FontHandle solutionFont) {
    const DrawSettings& settings = drawSettings();
    const document::Samling& grid = view.doc.grid;
    const int sw = view.squareWidth, sh = view.squareHeight, margin = view.margin;
    for (int c = 1; c <= grid.width(); ++c) {
        for (int r = 1; r <= grid.height(); ++r) {
            const document::KPoint& square = grid.At(c, r);
            if (square.isClue) {
                surface.SetTextColor(settings.clueColour);
                LayOutClue(square, surface, sh, sh / 20 + (c - 1) * sw + margin,
                           (r - 1) * sh + margin);
                continue;
            }
            const char letter = square.Letter();
            if (!view.showSolution || letter == 0) continue;
            const FontHandle previous = surface.SelectFont(solutionFont);
            surface.SetTextColor(settings.solutionColour);
            const int advance = letterWidths.of(static_cast<unsigned char>(letter)).advance();
            const int offset = static_cast<int>(std::floor((sw - advance) / 2.0 + 0.5));
            surface.TextOut((c - 1) * sw + margin + offset, (r - 1) * sh + margin,
                            std::string_view(&letter, 1));
            surface.SelectFont(previous);
        }
    }
}

// Square lines: the outer sides with the frame pen, inner segments with the line pen where
// the square before them keeps its separator line.
void DrawLines(const CrosswordView& view, DrawSurface& surface, int lineThickness) {
    const document::Samling& grid = view.doc.grid;
    const int columns = grid.width(), rows = grid.height();
    const int sw = view.squareWidth, sh = view.squareHeight, margin = view.margin;
    const PenHandle linePen = surface.CreatePen(kBlack, lineThickness);
    const PenHandle framePen = surface.CreatePen(view.frameColour, lineThickness + 2);
    const PenHandle previous = surface.SelectPen(framePen);
    PenHandle selected = framePen;
    auto use = [&](PenHandle pen) {
        if (pen != selected) surface.SelectPen(pen);
        selected = pen;
    };

    for (int k = 0; k <= columns; ++k) {
        const int x = k * sw + margin;
        if (k == 0 || k == columns) {
            use(framePen);
            surface.MoveTo(x, margin);
            surface.LineTo(x, rows * sh + margin);
            continue;
        }
        use(linePen);
        for (int j = 1; j <= rows; ++j) {
            if (!grid.At(k, j).lineRight) continue;
            surface.MoveTo(x, (j - 1) * sh + margin);
            surface.LineTo(x, j * sh + margin);
        }
    }
    for (int k = 0; k <= rows; ++k) {
        const int y = k * sh + margin;
        if (k == 0 || k == rows) {
            use(framePen);
            surface.MoveTo(margin, y);
            surface.LineTo(columns * sw + margin, y);
            continue;
        }
        use(linePen);
        for (int c = 1; c <= columns; ++c) {
            if (!grid.At(c, k).lineBottom) continue;
            surface.MoveTo((c - 1) * sw + margin, y);
            surface.LineTo(c * sw + margin, y);
        }
    }

    surface.SelectPen(previous);
    surface.SelectWhiteBrush();
    surface.DeletePen(linePen);
    surface.DeletePen(framePen);
}

}  // namespace

void PaintGrid(CrosswordView& view, DrawSurface& surface, const Rect& area, int clientHeight,
               const PaintFlags& flags) {
    const DrawSettings& settings = drawSettings();
    if (flags.printDepth > 0 && flags.printer && !area.empty()) {
        flags.printer->minPage = 1;
        flags.printer->maxPage = 1;
    }
    currentClueFont = view.clueFont;
    currentClueFont.weight = settings.letterWeight;

    ComputeSquareSize(view, clientHeight);
    FontDescription solution = view.solutionFont;
    solution.height = view.squareHeight;
    solution.width = 0;
    const FontHandle solutionFont = surface.CreateFont(solution);
    const FontHandle previousFont = surface.SelectFont(solutionFont);
    LetterWidths letterWidths;
    surface.GetCharABCWidths(kFirstMeasured, kLastMeasured, letterWidths.widths);
    surface.SetTransparentText();

    if (flags.printDepth <= 0 && !flags.exportingImage) {
        const int sw = view.squareWidth, sh = view.squareHeight, margin = view.margin;
        surface.FillRect(
            Rect{(view.cursorColumn - 1) * sw + margin + 1, (view.cursorRow - 1) * sh + margin,
                 view.cursorColumn * sw + margin, view.cursorRow * sh + margin},
            kLtYellow);
    }

    DrawLetters(view, surface, letterWidths, solutionFont);

    surface.SelectFont(previousFont);
    surface.DeleteFont(solutionFont);
    surface.SelectWhiteBrush();

    if (settings.lineThickness > 0) DrawLines(view, surface, settings.lineThickness);

    if (!view.doc.pictures.empty())
        DrawPictures(view.doc.pictures, surface, view.margin, view.squareWidth, view.squareHeight);
}

GridSize GridExtent(CrosswordView& view, int clientHeight) {
    ComputeSquareSize(view, clientHeight);
    return {view.doc.grid.width() * view.squareWidth + 2,
            view.doc.grid.height() * view.squareHeight + 2};
}

}  // namespace render
