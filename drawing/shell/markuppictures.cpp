#include "drawing/shell/markuppictures.h"

#include <QPainter>

#include "drawing/output/qtsurface.h"
#include "drawing/render/crosswordview.h"
#include "drawing/render/drawsettings.h"
#include "drawing/render/paintgrid.h"

namespace shell {

QImage MarkupPicture(const std::string& clue, int squarePixels) {
    render::CrosswordView view;
    view.doc = document::Crossword(3, 1);
    view.doc.grid.At(2, 1) = document::KPoint(clue, 30, 0, 100, 0);
    view.clueFont = render::drawSettings().clueFont;
    view.solutionFont = render::drawSettings().solutionFont;
    view.zoom = 1.0;
    view.squeeze = 1.0;
    view.margin = 4;
    view.frameColour = {200, 0, 0};
    // Square height = client height x zoom / (rows + 2).
    const int clientHeight = squarePixels * 3;
    QImage image(squarePixels * 3 + 2 * view.margin + 2, squarePixels + 2 * view.margin + 2,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    const render::Rect area{0, 0, image.width(), image.height()};
    output::QtSurface surface(painter, area);
    render::PaintFlags flags;
    flags.exportingImage = true;  // no cursor square in the pictures
    render::PaintGrid(view, surface, area, clientHeight, flags);
    return image;
}

}  // namespace shell
