#include "relafont.h"

namespace document {

namespace {
constexpr double kDefaultRaise = -0.1;  // every entry but the first sits a little higher
}

RelaFont::RelaFont() {
    lineHeight.fill(kDefaultLineHeight);
    widthSet.fill(0);
    widthRatio.fill(kDefaultWidthRatio);
    lineRaise.fill(kDefaultRaise);
    lineRaise[0] = 0.0;
}

void RelaFont::SetLine(int size, int width, int base, int i) {
    lineHeight[i] = static_cast<double>(size) * 100.0 / static_cast<double>(base);
    if (width != 0) {
        widthSet[i] = 1;
        widthRatio[i] = static_cast<double>(width) / static_cast<double>(size);
    } else {
        widthSet[i] = 0;
        widthRatio[i] = kDefaultWidthRatio;
    }
}

void RelaFont::ResetLines(int size, int width, int base, int line) {
    for (int i = 0; i < kLayoutEntries; ++i) {
        if (line == 0 || i == line - 1)
            SetLine(size, width, base, i);
        else
            SetLine(10, 0, 50, i);
    }
    lineRaise.fill(0.0);
    reserved = 0.0;
}

void RelaFont::SetLines(int size, int width, int base, int line) {
    if (line == 0) {
        for (int i = 0; i < kLayoutEntries; ++i) SetLine(size, width, base, i);
    } else if (line >= 1 && line <= kLayoutEntries) {
        SetLine(size, width, base, line - 1);
    }
}

}  // namespace document
