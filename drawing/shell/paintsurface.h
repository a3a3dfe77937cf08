#pragma once
// Painting a crossword window on the screen through the one grid painting of the program.
#include <QPainter>

#include "drawing/render/crosswordview.h"
#include "drawing/render/drawsurface.h"

namespace shell {

// Paints `area` (grid coordinates; the painter is already translated by the scroll offset)
// for a drawing area `clientHeight` pixels high.
void PaintOnScreen(render::CrosswordView& view, QPainter& painter, const render::Rect& area,
                   int clientHeight);

}  // namespace shell
