#include "desktop/WorkAreaWidget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include "app/Vortafrm.h"
#include "canvas/PainterCanvas.h"
#include "platform/Shell.h"

namespace desktop {

namespace {
Point clientPoint(const QMouseEvent& event) {
    const QPoint position = event.position().toPoint();
    return {position.x(), position.y()};
}
}  // namespace

CWorkAreaWidget::CWorkAreaWidget(CVortafrm& core, QWidget* parent) : QWidget(parent), core_(core) {
    // Every paint covers its whole rectangle, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

uint32_t CWorkAreaWidget::keyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    uint32_t flags = 0;
    if (buttons & Qt::LeftButton) flags |= platform::MK_LBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= platform::MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= platform::MK_CONTROL;
    return flags;
}

// The records are drawn over white every time: Qt paints into a back buffer, so
// repainting the background never shows as a flicker, and a repaint without
// erasing looks the same as drawing over the previous picture.
// At another zoom the picture is drawn at its natural size and magnified: by whole
// pixels, crisp, when it grows, and smoothed, so that text stays readable, when it
// shrinks.
void CWorkAreaWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const Viewport& view = core_.viewport();
    if (view.zoom == Viewport::kNaturalZoom) {
        canvas::CPainterCanvas canvas(painter);
        core_.OnPaint(canvas);
    } else {
        const QSize naturalSize(view.workReach(width()), view.workReach(height()));
        if (natural_.size() != naturalSize) natural_ = QImage(naturalSize, QImage::Format_RGB32);
        natural_.fill(Qt::white);
        QPainter naturalPainter(&natural_);
        canvas::CPainterCanvas canvas(naturalPainter);
        core_.OnPaint(canvas);
        naturalPainter.end();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, view.zoom < Viewport::kNaturalZoom);
        painter.drawImage(
            QRect(0, 0, view.clientExtent(natural_.width()), view.clientExtent(natural_.height())),
            natural_);
    }
    painter.end();
    Q_EMIT painted();
}

// Qt reports a turn of the wheel, or a touchpad's scroll, as the wheel's angle.
void CWorkAreaWidget::wheelEvent(QWheelEvent* event) {
    const QPoint turn = event->angleDelta();
    core_.OnMouseWheel(keyFlags(event->buttons(), event->modifiers()), {turn.x(), turn.y()},
                       {event->position().toPoint().x(), event->position().toPoint().y()});
    event->accept();
}

void CWorkAreaWidget::resizeEvent(QResizeEvent*) {
    core_.OnSize(width(), height());
}

void CWorkAreaWidget::mouseMoveEvent(QMouseEvent* event) {
    core_.OnMouseMove(keyFlags(event->buttons(), event->modifiers()), clientPoint(*event));
}

void CWorkAreaWidget::mousePressEvent(QMouseEvent* event) {
    const uint32_t flags = keyFlags(event->buttons(), event->modifiers());
    if (event->button() == Qt::LeftButton) core_.OnLButtonDown(flags, clientPoint(*event));
    if (event->button() == Qt::RightButton) core_.OnRButtonDown(flags, clientPoint(*event));
}

void CWorkAreaWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    core_.OnLButtonUp(keyFlags(event->buttons(), event->modifiers()), clientPoint(*event));
}

// The second press of a left double click arrives as the double click alone; a
// right double click counts as two right presses.
void CWorkAreaWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    core_.OnLButtonDblClk(keyFlags(event->buttons(), event->modifiers()), clientPoint(*event));
}

}  // namespace desktop
