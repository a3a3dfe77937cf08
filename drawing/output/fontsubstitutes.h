#pragma once
// The faces the drawing settings name by default ("Technical" for clue text, "Arial" for
// letters) mapped to free fonts of a Debian desktop (fonts-liberation, fonts-dejavu-core).
// Call once after the Qt application object exists, before any font is made.

namespace output {

void InstallFontSubstitutes();

}  // namespace output
