#include "dialogs/WarningDlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "platform/DialogTexts.h"

namespace dialogs {

CWarningDlg::CWarningDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::WarningTitle, 201, 74) {
    addAcceptButton(platform::text::Continue, {7, 53, 50, 14});
    refuse_ = addRejectButton(platform::text::Refuse, {144, 53, 50, 14});
    const int ids[3] = {1006, 1007, 1009};
    for (int i = 0; i < 3; ++i) {
        lineEdits_[i] =
            addEditControl(ids[i], {7, 7 + 12 * i, 187, 12}, EditStyle::ReadOnlyCentred);
        lineEdits_[i]->setMaxLength(kMaxLine);
    }
}

void CWarningDlg::loadFields() {
    lineEdits_[0]->setText(line1);
    lineEdits_[1]->setText(line2);
    lineEdits_[2]->setText(line3);
    // The focused button becomes the one Enter presses.
    refuse_->setFocus(Qt::OtherFocusReason);
}

}  // namespace dialogs
