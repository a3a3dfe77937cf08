#pragma once
// Where the program's code page 1252 texts and font descriptions meet Qt.
#include <QFont>
#include <QString>
#include <string>
#include <string_view>

#include "drawing/render/fontdescription.h"

namespace shell {

QString qt(std::string_view cp1252Bytes);
std::string cp1252(const QString& text);

// The font a description stands for on the screen (character height = |height| pixels).
QFont toQFont(const render::FontDescription& font);
// Face (cut to 31 bytes), height as a negative character height in pixels, weight,
// italic, underline and strike-out of `font` into `out`; the other fields stay.
void fromQFont(const QFont& font, render::FontDescription& out);

}  // namespace shell
