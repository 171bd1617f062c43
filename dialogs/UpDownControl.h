#pragma once
#include <QWidget>

class QToolButton;

namespace dialogs {

// A pair of arrow buttons stacked on top of each other; each click reports a step of
// +1 (up) or -1 (down). The buttons are named "up" and "down".
class CUpDownControl : public QWidget {
    Q_OBJECT
  public:
    explicit CUpDownControl(QWidget* parent);

  Q_SIGNALS:
    void stepped(int delta);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace dialogs
