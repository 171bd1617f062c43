#pragma once
#include <QPainter>

#include "model/Geometry.h"
#include "platform/Canvas.h"

namespace canvas {

// An ellipse in the box (right and bottom exclusive), stroked with the pen and filled
// with the painter's current brush.
void drawEllipseOutline(QPainter& painter, const Rect& box, const platform::Pen& pen);

// Small ellipses (the circles on wire ends) are drawn from a picture made once per
// size, pen and brush and then copied; false for an ellipse too large to keep.
bool drawEllipseStamp(QPainter& painter, const Rect& box, const platform::Pen& pen,
                      const platform::Brush& brush);

}  // namespace canvas
