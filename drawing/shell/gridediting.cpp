#include "drawing/shell/gridediting.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "drawing/document/letters.h"
#include "platform/messages.h"

namespace shell {

namespace {

using render::CrosswordView;

int columns(const CrosswordView& v) { return v.doc.dimensions.width; }
int rows(const CrosswordView& v) { return v.doc.dimensions.height; }

// Scrolls one step back when the cursor column's left edge went out of view on the left.
int scrollLeftIfHidden(const CrosswordView& v, const Viewport& port) {
    if ((v.cursorColumn - 1) * v.squareWidth + v.margin < kScrollUnit * port.scrollX) {
        return (-2 * v.squareWidth) / kScrollUnit;
    }
    return 0;
}

int scrollRightIfHidden(const CrosswordView& v, const Viewport& port, int step) {
    if (v.cursorColumn * v.squareWidth + v.margin > kScrollUnit * port.scrollX + port.clientWidth) {
        return step;
    }
    return 0;
}

int scrollUpIfHidden(const CrosswordView& v, const Viewport& port) {
    if ((v.cursorRow - 1) * v.squareHeight + v.margin < kScrollUnit * port.scrollY) {
        return (-2 * v.squareHeight) / kScrollUnit;
    }
    return 0;
}

int scrollDownIfHidden(const CrosswordView& v, const Viewport& port) {
    if (v.cursorRow * v.squareHeight + v.margin > kScrollUnit * port.scrollY + port.clientHeight) {
        return (2 * v.squareHeight) / kScrollUnit;
    }
    return 0;
}

bool cursorInside(const CrosswordView& v) {
    return v.cursorColumn >= 1 && v.cursorColumn <= columns(v) && v.cursorRow >= 1 &&
           v.cursorRow <= rows(v);
}

}  // namespace

ScrollRequest PressKey(CrosswordView& v, GridKey key, const Viewport& port) {
    ScrollRequest scroll;
    switch (key) {
        case GridKey::Left:
            v.cursorColumn = std::max(1, v.cursorColumn - 1);
            v.typeDown = 0;
            scroll.dx = scrollLeftIfHidden(v, port);
            break;
        case GridKey::Right:
            v.cursorColumn = std::min(columns(v), v.cursorColumn + 1);
            v.typeDown = 0;
            scroll.dx = scrollRightIfHidden(v, port, (2 * v.squareWidth) / kScrollUnit);
            break;
        case GridKey::Up:
            v.cursorRow = std::max(1, v.cursorRow - 1);
            v.typeDown = 1;
            scroll.dy = scrollUpIfHidden(v, port);
            break;
        case GridKey::Down:
            v.cursorRow = std::min(rows(v), v.cursorRow + 1);
            v.typeDown = 1;
            scroll.dy = scrollDownIfHidden(v, port);
            break;
        case GridKey::PageUp:
            scroll.dy = (-2 * v.squareWidth) / kScrollUnit;
            break;
        case GridKey::PageDown:
            scroll.dy = (2 * v.squareWidth) / kScrollUnit;
            break;
        case GridKey::Delete:
            ClearCursorSquare(v);
            break;
        case GridKey::Backspace:
            if (v.typeDown) {
                v.cursorRow = std::max(1, v.cursorRow - 1);
            } else {
                v.cursorColumn = std::max(1, v.cursorColumn - 1);
            }
            scroll.dx = scrollLeftIfHidden(v, port);
            ClearCursorSquare(v);
            break;
    }
    return scroll;
}

Typed TypeCharacter(CrosswordView& v, char c, const Viewport& port, ScrollRequest& scroll) {
    scroll = {};
    if (c != ' ' && !document::IsLetter(c)) return Typed::Ignored;
    v.doc.modified = true;
    if (!cursorInside(v)) return Typed::Ignored;
    document::KPoint& square = v.doc.grid.At(v.cursorColumn, v.cursorRow);
    if (square.isClue) return Typed::Refused;
    square.MakeLetter(c == ' ' ? ' ' : document::UpperLetter(c));
    if (!v.autoAdvance) return Typed::Stored;
    if (v.typeDown) {
        if (v.cursorRow < rows(v)) v.cursorRow++;
        scroll.dy = scrollDownIfHidden(v, port);
    } else if (v.cursorColumn < columns(v)) {
        v.cursorColumn++;
        scroll.dx = scrollRightIfHidden(v, port, 30);
    }
    return Typed::Stored;
}

void ClearCursorSquare(CrosswordView& v) {
    v.doc.modified = true;
    if (!cursorInside(v)) return;
    document::KPoint& square = v.doc.grid.At(v.cursorColumn, v.cursorRow);
    if (!square.isClue) square.MakeLetter(' ');
}

std::optional<Square> SquareAt(const CrosswordView& v, int x, int y) {
    if (v.squareWidth <= 0 || v.squareHeight <= 0) return std::nullopt;
    if (x < v.margin || x >= v.margin + columns(v) * v.squareWidth) return std::nullopt;
    if (y < v.margin || y >= v.margin + rows(v) * v.squareHeight) return std::nullopt;
    return Square{(x - v.margin) / v.squareWidth + 1, (y - v.margin) / v.squareHeight + 1};
}

SeparatorTrans SeparatorPreset(const document::KPoint& square) {
    return {square.lineRight == 1, square.lineBottom == 1};
}

void ApplySeparators(document::KPoint& square, const SeparatorTrans& trans) {
    square.lineRight = trans.deleteRight ? 0 : 1;
    square.lineBottom = trans.deleteBottom ? 0 : 1;
}

void TurnGrid(CrosswordView& v) {
    const int oldColumns = columns(v);
    const int oldRows = rows(v);
    document::Samling turned(oldRows, oldColumns);
    for (int c = 1; c <= oldColumns; ++c) {
        for (int r = 1; r <= oldRows; ++r) turned.At(r, c) = v.doc.grid.At(c, r);
    }
    v.doc.grid = std::move(turned);
    v.doc.dimensions = {oldRows, oldColumns};
    v.doc.modified = true;
    KeepCursorInside(v);
}

void ResizeGrid(CrosswordView& v, int width, int height) {
    v.doc.grid.Resize(width, height);
    v.doc.dimensions = {width, height};
    v.doc.modified = true;
    KeepCursorInside(v);
}

void KeepCursorInside(CrosswordView& v) {
    v.cursorColumn = std::clamp(v.cursorColumn, 1, std::max(1, columns(v)));
    v.cursorRow = std::clamp(v.cursorRow, 1, std::max(1, rows(v)));
}

std::string ZoomText(double zoom) {
    const long whole = static_cast<long>(std::trunc(zoom * 100));
    const long fraction = static_cast<long>(std::trunc(zoom * 10000)) % 100;
    char text[64];
    std::snprintf(text, sizeof text, "%ld.%ld", whole, fraction);
    return text;
}

int ReadInt(const std::string& text) {
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::clamp<long>(value, -2147483647L - 1, 2147483647L));
}

double ReadReal(const std::string& text) { return std::strtod(text.c_str(), nullptr); }


std::optional<GridSize> AskSize(Dialogs& d, int width, int height,
                                const std::function<void()>& onOk) {
    Sizetrans trans;
    std::snprintf(trans.height, sizeof trans.height, "%d", height);
    std::snprintf(trans.width, sizeof trans.width, "%d", width);
    auto accepted = [](const char* name, int value) {
        if (value >= 1 && value <= 100) return true;
        char text[128];
        std::snprintf(text, sizeof text, "The value %s has to be in between %d and %d", name, 1,
                      100);
        platform::showMessage(text, "Wrong input", platform::Icon::Stop);
        return false;
    };
    while (d.sizeDialog(trans)) {
        onOk();
        const int newWidth = ReadInt(trans.width);
        if (!accepted("Width", newWidth)) continue;
        const int newHeight = ReadInt(trans.height);
        if (!accepted("Height", newHeight)) continue;
        return GridSize{newWidth, newHeight};
    }
    return std::nullopt;
}

Square InitialScrollRange(int defaultWidth, int defaultHeight) {
    if (defaultHeight <= 0) return {15, 16};
    if (defaultWidth * 10 / defaultHeight <= 16) return {15, 16};
    return {(defaultWidth * 15 / defaultHeight) * 11 / 20, 16};
}

}  // namespace shell
