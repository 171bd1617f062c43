#include "desktop/PainterCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <QString>
#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "desktop/BitmapStore.h"

namespace desktop {
namespace {

QColor toQColor(platform::Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// A 1-pixel line leaves out its end pixel (flat cap); wider pens are round at their
// ends and joins.
QPen toQPen(const platform::Pen& pen) {
    if (pen.width <= 1) return QPen(toQColor(pen.color), 1, Qt::SolidLine, Qt::FlatCap);
    return QPen(toQColor(pen.color), pen.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A positive height is the whole character cell, ascent plus descent; a negative one
// the size of the characters alone. Qt sizes a font by the latter, so the cell is
// measured and the size scaled to fit it.
QFont makeFont(const platform::Font& spec) {
    QFont font;
    if (!spec.face.empty()) font.setFamily(QString::fromStdString(spec.face));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
    font.setStyleStrategy(QFont::NoAntialias);
    if (spec.height < 0) font.setPixelSize(-spec.height);
    if (spec.height > 0) {
        font.setPixelSize(spec.height);
        const int cell = QFontMetrics(font).height();
        if (cell > 0 && cell != spec.height) {
            font.setPixelSize(std::max(1, (spec.height * spec.height + cell / 2) / cell));
        }
    }
    return font;
}

// Creating a Qt font and measuring it costs more than drawing a short text, and the
// work area uses one or two fonts: keep them.
const QFont& cachedFont(const platform::Font& spec) {
    using Key = std::tuple<std::string, int32_t, int32_t, bool>;
    static std::map<Key, QFont> fonts;
    const Key key{spec.face, spec.height, spec.weight, spec.variablePitch};
    auto found = fonts.find(key);
    if (found == fonts.end()) found = fonts.emplace(key, makeFont(spec)).first;
    return found->second;
}

}  // namespace

CPainterCanvas::CPainterCanvas(QPainter& painter) : painter_(painter), qfont_(cachedFont(font_)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(toQPen(pen_));
    painter_.setBrush(toQColor(brush_.color));
    painter_.setFont(qfont_);
}

void CPainterCanvas::drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                                bool disabled) {
    const QImage& image = disabled ? disabledBitmapImage(id) : bitmapImage(id);
    if (image.isNull() || width <= 0 || height <= 0) return;
    const QRect source(0, 0, std::min(width, image.width()), std::min(height, image.height()));
    painter_.drawImage(QPoint(x, y), image, source);
}

platform::Pen CPainterCanvas::selectPen(const platform::Pen& pen) {
    painter_.setPen(toQPen(pen));
    return std::exchange(pen_, pen);
}

platform::Brush CPainterCanvas::selectBrush(const platform::Brush& brush) {
    painter_.setBrush(toQColor(brush.color));
    return std::exchange(brush_, brush);
}

platform::Font CPainterCanvas::selectFont(const platform::Font& font) {
    qfont_ = cachedFont(font);
    painter_.setFont(qfont_);
    return std::exchange(font_, font);
}

void CPainterCanvas::setTextColor(platform::Rgb color) {
    textColor_ = toQColor(color);
}

void CPainterCanvas::moveTo(int32_t x, int32_t y) {
    position_ = QPoint(x, y);
}

void CPainterCanvas::lineTo(int32_t x, int32_t y) {
    const QPoint to(x, y);
    if (to != position_) painter_.drawLine(position_, to);
    position_ = to;
}

void CPainterCanvas::ellipse(const Rect& box) {
    if (box.width() <= 0 || box.height() <= 0) return;
    // Qt strokes a thin outline on the pixels of the rectangle's edges but centres a
    // wider one between pixels; half a pixel keeps a thick circle round its centre.
    if (pen_.width <= 1) {
        painter_.drawEllipse(QRect(box.left, box.top, box.width() - 1, box.height() - 1));
    } else {
        painter_.drawEllipse(
            QRectF(box.left + 0.5, box.top + 0.5, box.width() - 1, box.height() - 1));
    }
}

void CPainterCanvas::textOut(int32_t x, int32_t y, const std::string& text) {
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics metrics(qfont_);
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), Qt::white);
    painter_.setPen(textColor_);
    painter_.drawText(x, y + metrics.ascent(), string);
    painter_.setPen(toQPen(pen_));
}

}  // namespace desktop
