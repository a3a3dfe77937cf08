#include "fontsubstitutes.h"

#include <QFont>
#include <QStringList>

namespace output {

void InstallFontSubstitutes() {
    // A narrow lettering face for clues; the clue font's width is forced anyway, so a narrow
    // face keeps the stretch small and the letters close to their drawn shapes.
    QFont::insertSubstitutions(
        QStringLiteral("Technical"),
        {QStringLiteral("Liberation Sans Narrow"), QStringLiteral("DejaVu Sans Condensed"),
         QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

}  // namespace output
