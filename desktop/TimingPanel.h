#pragma once
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "analysis/TimingPicture.h"

class CVortafrm;
class QScrollBar;
class QSpinBox;

namespace desktop {

// The diagram itself: drawn by the core onto the window's canvas, with the time
// and levels of the column under the pointer as a tooltip and the row menu.
class CTimingDiagramView : public QWidget {
    Q_OBJECT
  public:
    explicit CTimingDiagramView(CVortafrm& core, QWidget* parent = nullptr);
    analysis::TimingView view() const;
    void setScroll(int64_t scroll) { scroll_ = scroll; }
    void setPixelsPerTick(int32_t pixels) { pixelsPerTick_ = pixels; }

  Q_SIGNALS:
    // A row was removed, moved or split from its menu.
    void rowsChanged();

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    CVortafrm& core_;
    int64_t scroll_ = 0;
    int32_t pixelsPerTick_ = 10;
};

// The panel "Временная диаграмма" under the work area: the zoom, "Добавить
// сигнал..." and "Сохранить диаграмму..." above the diagram, a scroll bar under
// it. While the recording grows and the bar is at its end, the latest column
// stays in view; the panel looks for new columns ten times a second and redraws
// only when there are some, drawing only what is visible.
class CTimingPanel : public QWidget {
    Q_OBJECT
  public:
    explicit CTimingPanel(CVortafrm& core, QWidget* parent = nullptr);
    CTimingDiagramView& diagram() { return *diagram_; }
    QSpinBox& zoom() { return *zoom_; }
    // Takes in new columns and rows now rather than at the next look.
    void refresh();
    // The height that shows every row without scrolling.
    int wantedHeight() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void chooseSignalToAdd();

    CVortafrm& core_;
    CTimingDiagramView* diagram_ = nullptr;
    QScrollBar* scroll_ = nullptr;
    QSpinBox* zoom_ = nullptr;
    QTimer poll_;
    uint64_t shownVersion_ = 0;
    bool following_ = true;
};

}  // namespace desktop
