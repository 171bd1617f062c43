#include "dialogs/DeleteConfirmDlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "platform/DialogTexts.h"

namespace dialogs {

CDeleteConfirmDlg::CDeleteConfirmDlg(QWidget* parent, QWidget* client)
    : CExchangeDialog(parent, platform::text::DeleteTitle, 154, 59, DialogFrame::TitleOnly),
      client_(client) {
    addOkCancel({7, 38, 50, 14}, {97, 38, 50, 14});
    addStaticText(this, templateFont(), platform::text::DeleteQuestion, {7, 7, 140, 19},
                  Qt::AlignHCenter);
}

void CDeleteConfirmDlg::loadFields() {
    const QPoint anchor(anchorX, anchorY);
    const QPoint click = client_ ? client_->mapToGlobal(anchor) : anchor;
    QPoint corner = click + QPoint(kOffsetX, kOffsetY);
    // A click near the screen's edge must not push the buttons out of reach.
    if (const QScreen* screen = QGuiApplication::screenAt(click)) {
        const QRect free = screen->availableGeometry();
        const QSize size = frameGeometry().size();
        corner.setX(std::clamp(corner.x(), free.left(),
                               std::max(free.left(), free.right() + 1 - size.width())));
        corner.setY(std::clamp(corner.y(), free.top(),
                               std::max(free.top(), free.bottom() + 1 - size.height())));
    }
    // Moving before the dialog becomes visible also keeps it from being centred.
    move(corner);
}

}  // namespace dialogs
