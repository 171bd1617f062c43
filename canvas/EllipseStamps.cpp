#include "canvas/EllipseStamps.h"

#include "canvas/PainterInk.h"

#include <QImage>
#include <map>
#include <tuple>

namespace canvas {
namespace {

constexpr int kLargestStamp = 16;

}  // namespace

void drawEllipseOutline(QPainter& painter, const Rect& box, const platform::Pen& pen) {
    // Qt strokes a thin outline on the pixels of the rectangle's edges but centres a
    // wider one between pixels; half a pixel keeps a thick circle round its centre.
    if (pen.width <= 1) {
        painter.drawEllipse(QRect(box.left, box.top, box.width() - 1, box.height() - 1));
    } else {
        painter.drawEllipse(
            QRectF(box.left + 0.5, box.top + 0.5, box.width() - 1, box.height() - 1));
    }
}

bool drawEllipseStamp(QPainter& painter, const Rect& box, const platform::Pen& pen,
                      const platform::Brush& brush) {
    if (box.width() > kLargestStamp || box.height() > kLargestStamp || pen.width > 3) return false;
    // The stamp has room for a wide outline on every side of the box.
    const int margin = pen.width;
    using Key = std::tuple<int, int, int, uint32_t, uint32_t>;
    static std::map<Key, QImage> stamps;
    auto rgb = [](platform::Rgb c) { return uint32_t{c.r} << 16 | uint32_t{c.g} << 8 | c.b; };
    const Key key{box.width(), box.height(), pen.width, rgb(pen.color), rgb(brush.color)};
    auto found = stamps.find(key);
    if (found == stamps.end()) {
        QImage stamp(box.width() + 2 * margin, box.height() + 2 * margin,
                     QImage::Format_ARGB32_Premultiplied);
        stamp.fill(Qt::transparent);
        QPainter stampPainter(&stamp);
        stampPainter.setRenderHint(QPainter::Antialiasing, false);
        stampPainter.setPen(toQPen(pen));
        stampPainter.setBrush(toQColor(brush.color));
        drawEllipseOutline(stampPainter,
                           {margin, margin, margin + box.width(), margin + box.height()}, pen);
        stampPainter.end();
        found = stamps.emplace(key, stamp).first;
    }
    painter.drawImage(QPoint(box.left - margin, box.top - margin), found->second);
    return true;
}

}  // namespace canvas
