#pragma once
// The process-wide drawing settings, read from and saved to the "Opsat" section of the
// settings file by the shell; every paint reads them directly.
#include "fontdescription.h"

namespace render {

struct DrawSettings {
    int arrowThickness = 1;        // Piltyk, 1..30, pixels
    int lineThickness = 1;         // Stregtyk, 0..10; 0 = no square lines
    int letterWeight = 400;        // Bogstavtyk, 0..1000
    int centreText = 0;            // Midtstil, low 8 bits
    double fontSqueeze = 100;      // MasFont, percent, 6..9999
    double squeeze = 1.0;          // Sqeeze (stored in percent)
    double zoomPercent = 109.0;    // Zoom (stored in tenths of a percent)
    int showSolution = 1;          // Losning
    FontDescription clueFont;      // LedFont, LedStor; weight 600, face "Technical"
    FontDescription solutionFont;  // LosFont; face "Arial"
    Rgb clueColour = kBlack;
    Rgb solutionColour = kBlack;
    int defaultWidth = 13;   // Bredde, 1..100
    int defaultHeight = 10;  // Hojde, 1..100

    DrawSettings();  // the defaults above, fonts included
};

// The one instance of the program (and of each test that changes it).
DrawSettings& drawSettings();

// Set by every window paint; read by the clue layout.
extern FontDescription currentClueFont;

}  // namespace render
