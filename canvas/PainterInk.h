#pragma once
#include <QColor>
#include <QPen>

#include "platform/Canvas.h"

namespace canvas {

inline QColor toQColor(platform::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// A 1-pixel line leaves out its end pixel (flat cap); wider pens are round at their
// ends and joins.
inline QPen toQPen(const platform::Pen& pen) {
    if (pen.width <= 1) return QPen(toQColor(pen.color), 1, Qt::SolidLine, Qt::FlatCap);
    return QPen(toQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace canvas
