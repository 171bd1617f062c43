#pragma once
#include <QImage>
#include <QWidget>
#include <cstdint>

class CVortafrm;

namespace desktop {

// The client area of the main window: the work area painted on white, with the
// scroll bars and the corner button as its children. Its coordinates are the
// client coordinates the core works in. Paint, resize and pointer events go to
// the core.
class CWorkAreaWidget : public QWidget {
    Q_OBJECT
  public:
    CWorkAreaWidget(CVortafrm& core, QWidget* parent);

    // The key-state bits (platform::MK_*) of a pointer event.
    static uint32_t keyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);

  Q_SIGNALS:
    // After every paint, for tests and start-up timing.
    void painted();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    CVortafrm& core_;
    // The picture at its natural size when the view is zoomed, kept from one paint
    // to the next so that a paint at the same size allocates nothing.
    QImage natural_;
};

}  // namespace desktop
