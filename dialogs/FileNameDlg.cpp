#include "dialogs/FileNameDlg.h"

#include <QLineEdit>

#include "platform/DialogTexts.h"

namespace dialogs {

CFileNameDlg::CFileNameDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::FileNameTitle, 186, 63) {
    addOkCancel({7, 42, 50, 14}, {129, 42, 50, 14});
    labelEdit_ = addEditControl(1063, {8, 8, 68, 12}, EditStyle::ReadOnlyLine);
    labelEdit_->setMaxLength(kMaxLabel);
    fileNameEdit_ = addEditControl(1006, {79, 7, 100, 12}, EditStyle::Bordered);
    fileNameEdit_->setMaxLength(kMaxFileName);
}

void CFileNameDlg::loadFields() {
    labelEdit_->setText(label);
    fileNameEdit_->setText(fileName);
    focusAndSelect(fileNameEdit_);
}

bool CFileNameDlg::storeFields() {
    // No file can have an empty name; asking again beats reporting a failure later.
    if (fileNameEdit_->text().isEmpty()) {
        refuseField(fileNameEdit_, platform::text::EnterFileName);
        return false;
    }
    fileName = fileNameEdit_->text();
    label = labelEdit_->text();
    return true;
}

}  // namespace dialogs
