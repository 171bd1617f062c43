#include "dialogs/QuestionDlg.h"

#include <QLineEdit>

#include "platform/DialogTexts.h"

namespace dialogs {

CQuestionDlg::CQuestionDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::QuestionTitle, 141, 50) {
    addOkCancel({7, 29, 50, 14}, {84, 29, 50, 14});
    line1Edit_ = addEditControl(1006, {7, 7, 127, 12}, EditStyle::ReadOnlyCentred);
    line2Edit_ = addEditControl(1007, {7, 14, 127, 12}, EditStyle::ReadOnlyCentred);
}

void CQuestionDlg::loadFields() {
    line1Edit_->setText(line1);
    line2Edit_->setText(line2);
}

}  // namespace dialogs
