#include "drawing/shell/uitext.h"

#include <algorithm>
#include <cmath>

#include "platform/cp1252.h"

namespace shell {

QString qt(std::string_view cp1252Bytes) {
    return QString::fromStdString(platform::cp1252ToUtf8(cp1252Bytes));
}

std::string cp1252(const QString& text) { return platform::utf8ToCp1252(text.toStdString()); }

QFont toQFont(const render::FontDescription& font) {
    QFont q(qt(font.faceName));
    q.setPixelSize(font.height == 0 ? 20 : std::abs(font.height));
    q.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight == 0 ? 400 : font.weight, 1, 1000)));
    q.setItalic(font.italic != 0);
    q.setUnderline(font.underline != 0);
    q.setStrikeOut(font.strikeOut != 0);
    return q;
}

void fromQFont(const QFont& font, render::FontDescription& out) {
    out.setFace(cp1252(font.family()).c_str());  // cut to the 31 bytes that fit
    int pixels = font.pixelSize();
    // Point sizes count at the screen's 96 pixels per inch, as the font dialog shows them.
    if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
    out.height = -pixels;
    out.weight = font.weight();
    out.italic = font.italic();
    out.underline = font.underline();
    out.strikeOut = font.strikeOut();
}

}  // namespace shell
