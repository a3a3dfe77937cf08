#include "metrics.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "drawsettings.h"

namespace render {

namespace {
constexpr int kLastEntry = document::kLayoutEntries - 1;

// Applies `step` to `entry`, or to every entry for line 0.
template <typename Step>
void ForEntries(int line, int entry, Step step) {
    if (line == 0) {
        for (int e = 0; e <= kLastEntry; ++e) step(e);
    } else {
        step(entry);
    }
}
}  // namespace

int TruncPx(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

int SquareHeightFor(int clientHeight, double zoom, int rows) {
    return TruncPx(clientHeight * zoom / (rows + 2));
}

int SquareWidthFor(int squareHeight, double squeeze) { return TruncPx(squareHeight * squeeze); }

int LayoutEntry(int line) { return std::clamp(line - 1, 0, kLastEntry); }
int HeightEntry(int line) { return std::clamp(line, 0, kLastEntry); }

int RaisePx(const RelaFont& layout, int size, int line) {
    return TruncPx(size * layout.lineRaise[LayoutEntry(line)]);
}

int LineHeightPx(const RelaFont& layout, int size, int line) {
    return TruncPx(size * layout.lineHeight[HeightEntry(line)] * 0.01 + 0.5);
}

int FontWidthPx(const RelaFont& layout, int size, int line) {
    const int e = LayoutEntry(line);
    return TruncPx(size * layout.lineHeight[e] * 0.01 * layout.widthRatio[e] + 0.5);
}

LineFontSize ClueFontSize(const RelaFont& layout, const FontDescription& base, int size, int line) {
    LineFontSize result;
    result.height = TruncPx(LineHeightPx(layout, size, line) * base.height * 0.05);
    result.widthProduct = FontWidthPx(layout, size, line) * drawSettings().fontSqueeze * 0.01;
    result.width = TruncPx(result.widthProduct);
    return result;
}

FontDescription ClueFontOfLine(const RelaFont& layout, const FontDescription& base, int size,
                               int line) {
    const LineFontSize wanted = ClueFontSize(layout, base, size, line);
    FontDescription font = base;
    font.height = wanted.height;
    font.width = wanted.width;
    return font;
}

bool FontServes(const FontDescription& inUse, const LineFontSize& wanted) {
    return inUse.height == wanted.height && inUse.width == wanted.widthProduct;
}

void ScaleHeight(RelaFont& layout, int line, double factor) {
    ForEntries(line, HeightEntry(line), [&](int e) { layout.lineHeight[e] *= factor; });
}

void ScaleWidth(RelaFont& layout, int line, double factor) {
    ForEntries(line, LayoutEntry(line), [&](int e) {
        if (layout.widthSet[e] == 0) {
            layout.widthSet[e] = 1;
            layout.widthRatio[e] = document::kDefaultWidthRatio;
        } else {
            layout.widthRatio[e] *= factor;
        }
    });
}

void ResetWidth(RelaFont& layout, int line) {
    ForEntries(line, LayoutEntry(line), [&](int e) {
        layout.widthSet[e] = 0;
        layout.widthRatio[e] = document::kDefaultWidthRatio;
    });
}

void ShiftRaise(RelaFont& layout, int line, double delta) {
    ForEntries(line, LayoutEntry(line), [&](int e) { layout.lineRaise[e] += delta; });
}

void SetRaise(RelaFont& layout, int size, int pixels, int line) {
    const double raise = static_cast<double>(pixels) / static_cast<double>(size);
    ForEntries(line, LayoutEntry(line), [&](int e) { layout.lineRaise[e] = raise; });
}

}  // namespace render
