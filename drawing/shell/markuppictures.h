#pragma once
// Pictures of clue squares for the help document, drawn by the program's own grid painting so
// that they show exactly what the markup gives.
#include <QImage>
#include <string>

namespace shell {

// A row of three squares whose middle one is a clue square holding `clue` (code page 1252),
// `squarePixels` high.
QImage MarkupPicture(const std::string& clue, int squarePixels = 72);

}  // namespace shell
