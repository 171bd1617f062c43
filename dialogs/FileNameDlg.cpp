#include "dialogs/FileNameDlg.h"

#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/DialogTexts.h"

namespace dialogs {

CFileNameDlg::CFileNameDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::FileNameTitle, 186, 63) {
    addOkCancel({7, 42, 50, 14}, {129, 42, 50, 14});
    QPushButton* browseButton =
        addButton("browse", QString::fromUtf8(platform::text::Browse), {68, 42, 50, 14});
    connect(browseButton, &QPushButton::clicked, this, &CFileNameDlg::browse);
    labelEdit_ = addEditControl(1063, {8, 8, 68, 12}, EditStyle::ReadOnlyLine);
    labelEdit_->setMaxLength(kMaxLabel);
    fileNameEdit_ = addEditControl(1006, {79, 7, 100, 12}, EditStyle::Bordered);
    // The limit is kept on keystrokes (below) so that a longer path fits the field.
    fileNameEdit_->installEventFilter(this);
}

void CFileNameDlg::loadFields() {
    labelEdit_->setText(label);
    fileNameEdit_->setText(fileName);
    focusAndSelect(fileNameEdit_);
}

bool CFileNameDlg::isGivenPath(const QString& text) const {
    return text == fileName || (!chosenPath_.isEmpty() && text == chosenPath_);
}

// A character typed into a full field is dropped, as the field's own limit would.
bool CFileNameDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileNameEdit_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool typesText = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                               !(key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        const qsizetype kept = fileNameEdit_->text().size() - fileNameEdit_->selectedText().size();
        if (typesText && kept + key->text().size() > kMaxFileName) return true;
    }
    return CExchangeDialog::eventFilter(watched, event);
}

// The system's chooser opens where the field's file is; it asks nothing about
// existing files, which the file commands warn about themselves.
void CFileNameDlg::browse() {
    const QString current = fileNameEdit_->text();
    const QString chosen = QFileDialog::getSaveFileName(
        this, QString::fromUtf8(platform::text::FileNameTitle),
        current.isEmpty() ? QDir::currentPath() : QDir::current().absoluteFilePath(current),
        QString(), nullptr, QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    if (chosen.isEmpty()) return;
    chosenPath_ = chosen;
    fileNameEdit_->setText(chosen);
    focusAndSelect(fileNameEdit_);
}

bool CFileNameDlg::storeFields() {
    const QString typed = fileNameEdit_->text();
    // No file can have an empty name; asking again beats reporting a failure later.
    if (typed.isEmpty()) {
        refuseField(fileNameEdit_, platform::text::EnterFileName);
        return false;
    }
    if (typed.size() > kMaxFileName && !isGivenPath(typed)) {
        refuseField(fileNameEdit_, QString(platform::text::EnterShorterFileName).arg(kMaxFileName));
        return false;
    }
    fileName = typed;
    label = labelEdit_->text();
    return true;
}

}  // namespace dialogs
