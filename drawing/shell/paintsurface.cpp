#include "drawing/shell/paintsurface.h"

#include "drawing/output/qtsurface.h"
#include "drawing/render/paintgrid.h"

namespace shell {

void PaintOnScreen(render::CrosswordView& view, QPainter& painter, const render::Rect& area,
                   int clientHeight) {
    output::QtSurface surface(painter, area);
    render::PaintGrid(view, surface, area, clientHeight, render::PaintFlags{});
}

}  // namespace shell
