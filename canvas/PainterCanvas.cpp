#include "canvas/PainterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLineF>
#include <QString>
#include <algorithm>
#include <map>
#include <tuple>
#include <utility>

#include "canvas/BitmapStore.h"
#include "canvas/EllipseStamps.h"
#include "canvas/PainterInk.h"

namespace canvas {

struct PreparedFont {
    QFont font;
    QFontMetrics metrics;
};

namespace {

// A positive height is the whole character cell, ascent plus descent; a negative one
// the size of the characters alone. Qt sizes a font by the latter, so the cell is
// measured and the size scaled to fit it.
QFont makeFont(const platform::Font& wanted) {
    QFont font;
    if (!wanted.face.empty()) font.setFamily(QString::fromStdString(wanted.face));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(wanted.weight, 1, 1000)));
    font.setStyleStrategy(QFont::NoAntialias);
    if (wanted.height < 0) font.setPixelSize(-wanted.height);
    if (wanted.height > 0) {
        font.setPixelSize(wanted.height);
        const int cell = QFontMetrics(font).height();
        if (cell > 0 && cell != wanted.height) {
            font.setPixelSize(std::max(1, (wanted.height * wanted.height + cell / 2) / cell));
        }
    }
    return font;
}

// Creating a Qt font and measuring it costs more than drawing a short text, and the
// work area uses one or two fonts: keep them.
const PreparedFont& preparedFont(const platform::Font& wanted) {
    using Key = std::tuple<std::string, int32_t, int32_t, bool>;
    static std::map<Key, PreparedFont> fonts;
    const Key key{wanted.face, wanted.height, wanted.weight, wanted.variablePitch};
    auto found = fonts.find(key);
    if (found == fonts.end()) {
        QFont font = makeFont(wanted);
        found = fonts.emplace(key, PreparedFont{font, QFontMetrics(font)}).first;
    }
    return found->second;
}

// Records read from a file may sit anywhere in the 32-bit range, where Qt's integer
// geometry would overflow. Nothing that far away can show, so it is left out, and
// lines are cut to a range still far larger than any window.
constexpr int kFarAway = 1 << 24;

bool isFarAway(int32_t v) {
    return v < -kFarAway || v > kFarAway;
}

QPoint withinReach(QPoint p) {
    return {std::clamp(p.x(), -kFarAway, kFarAway), std::clamp(p.y(), -kFarAway, kFarAway)};
}

// The pixels a thin line covers when it runs along a row or a column: from its start
// up to, not including, its end.
QRect axisLinePixels(QPoint from, QPoint to) {
    if (from.y() == to.y()) {
        const int left = from.x() < to.x() ? from.x() : to.x() + 1;
        return QRect(left, from.y(), std::abs(to.x() - from.x()), 1);
    }
    const int top = from.y() < to.y() ? from.y() : to.y() + 1;
    return QRect(from.x(), top, 1, std::abs(to.y() - from.y()));
}

}  // namespace

CPainterCanvas::CPainterCanvas(QPainter& painter)
    : painter_(painter), preparedFont_(&preparedFont(font_)) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
}

void CPainterCanvas::applyPen() {
    if (painterPen_ == pen_) return;
    painter_.setPen(toQPen(pen_));
    painterPen_ = pen_;
}

void CPainterCanvas::applyBrush() {
    if (painterBrush_ == brush_) return;
    painter_.setBrush(toQColor(brush_.color));
    painterBrush_ = brush_;
}

void CPainterCanvas::drawBitmap(int32_t id, int32_t x, int32_t y, int32_t width, int32_t height,
                                bool disabled) {
    const QImage& image = disabled ? disabledBitmapImage(id) : bitmapImage(id);
    if (image.isNull() || width <= 0 || height <= 0 || isFarAway(x) || isFarAway(y)) return;
    const QRect source(0, 0, std::min(width, image.width()), std::min(height, image.height()));
    painter_.drawImage(QPoint(x, y), image, source);
}

platform::Pen CPainterCanvas::selectPen(const platform::Pen& pen) {
    return std::exchange(pen_, pen);
}

platform::Brush CPainterCanvas::selectBrush(const platform::Brush& brush) {
    return std::exchange(brush_, brush);
}

platform::Font CPainterCanvas::selectFont(const platform::Font& font) {
    preparedFont_ = &preparedFont(font);
    return std::exchange(font_, font);
}

void CPainterCanvas::setTextColor(platform::Rgb color) {
    textColor_ = toQColor(color);
}

void CPainterCanvas::moveTo(int32_t x, int32_t y) {
    position_ = QPoint(x, y);
}

void CPainterCanvas::lineTo(int32_t x, int32_t y) {
    const QPoint from = std::exchange(position_, QPoint(x, y));
    if (from == position_) return;
    // Wires run along rows and columns; filling their pixels is far cheaper than
    // stroking.
    if (pen_.width <= 1 && (from.x() == x || from.y() == y)) {
        const QPoint start = withinReach(from), end = withinReach(position_);
        if (start != end) painter_.fillRect(axisLinePixels(start, end), toQColor(pen_.color));
        return;
    }
    applyPen();
    painter_.drawLine(QLineF(from, position_));
}

void CPainterCanvas::fillCoverage(const Rect& area, const std::vector<uint8_t>& covered) {
    if (area.width() <= 0 || area.height() <= 0) return;
    const QRgb ink = toQColor(pen_.color).rgba();
    QImage image(area.width(), area.height(), QImage::Format_ARGB32);
    const uint8_t* next = covered.data();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) row[x] = *next++ != 0 ? ink : 0;
    }
    painter_.drawImage(QPoint(area.left, area.top), image);
}

void CPainterCanvas::ellipse(const Rect& box) {
    if (isFarAway(box.left) || isFarAway(box.top) || isFarAway(box.right) ||
        isFarAway(box.bottom) || box.width() <= 0 || box.height() <= 0) {
        return;
    }
    if (drawEllipseStamp(painter_, box, pen_, brush_)) return;
    applyPen();
    applyBrush();
    drawEllipseOutline(painter_, box, pen_);
}

void CPainterCanvas::textOut(int32_t x, int32_t y, const std::string& text) {
    if (isFarAway(x) || isFarAway(y)) return;
    const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QFontMetrics& metrics = preparedFont_->metrics;
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(string), metrics.height()), Qt::white);
    painter_.setFont(preparedFont_->font);
    painter_.setPen(textColor_);
    painterPen_.reset();
    painter_.drawText(x, y + metrics.ascent(), string);
}

}  // namespace canvas
