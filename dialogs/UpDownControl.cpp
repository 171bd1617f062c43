#include "dialogs/UpDownControl.h"

#include <QToolButton>

namespace dialogs {

namespace {
QToolButton* arrowButton(QWidget* parent, const char* name, Qt::ArrowType arrow) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The arrows step the buddy field; the focus stays where the user types.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}
}  // namespace

CUpDownControl::CUpDownControl(QWidget* parent)
    : QWidget(parent),
      up_(arrowButton(this, "up", Qt::UpArrow)),
      down_(arrowButton(this, "down", Qt::DownArrow)) {
    connect(up_, &QToolButton::clicked, this, [this] { Q_EMIT stepped(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Q_EMIT stepped(-1); });
}

void CUpDownControl::resizeEvent(QResizeEvent* event) {
    const int upperHeight = height() / 2;
    up_->setGeometry(0, 0, width(), upperHeight);
    down_->setGeometry(0, upperHeight, width(), height() - upperHeight);
    QWidget::resizeEvent(event);
}

}  // namespace dialogs
