#include "dialogs/ExchangeDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/DialogTexts.h"
#include "dialogs/FieldParsing.h"

namespace dialogs {

namespace {
Qt::WindowFlags frameFlags(DialogFrame frame) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame != DialogFrame::TitleOnly) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (frame == DialogFrame::MinMaxModal || frame == DialogFrame::MinMaxSizable) {
        flags |= Qt::WindowMinMaxButtonsHint;
    }
    return flags;
}
}  // namespace

CExchangeDialog::CExchangeDialog(QWidget* parent, const QString& title, int widthUnits,
                                 int heightUnits, DialogFrame frame, const DialogFont& font)
    : QDialog(parent, frameFlags(frame)), font_(font) {
    setWindowTitle(title);
    setFont(dialogFont(font));
    const QSize size = unitsToPixels(font, widthUnits, heightUnits);
    if (frame == DialogFrame::MinMaxSizable) {
        resize(size);
    } else {
        setFixedSize(size);
    }
}

void CExchangeDialog::showEvent(QShowEvent* event) {
    if (!fieldsLoaded_) {
        fieldsLoaded_ = true;
        loadFields();
    }
    QDialog::showEvent(event);
}

void CExchangeDialog::accept() {
    if (storeFields()) QDialog::accept();
}

QPushButton* CExchangeDialog::addButton(const QString& name, const QString& text, UnitRect at) {
    return addPushButton(this, font_, name, text, at);
}

QPushButton* CExchangeDialog::addAcceptButton(const QString& text, UnitRect at) {
    QPushButton* button = addButton("ok", text, at);
    button->setDefault(true);
    connect(button, &QPushButton::clicked, this, &CExchangeDialog::accept);
    return button;
}

QPushButton* CExchangeDialog::addRejectButton(const QString& text, UnitRect at) {
    QPushButton* button = addButton("cancel", text, at);
    connect(button, &QPushButton::clicked, this, &CExchangeDialog::reject);
    return button;
}

void CExchangeDialog::addOkCancel(UnitRect ok, UnitRect cancel) {
    addAcceptButton(text::Ok, ok);
    addRejectButton(text::Cancel, cancel);
}

QLineEdit* CExchangeDialog::addEditControl(int id, UnitRect at, EditStyle style) {
    return addEdit(this, font_, QStringLiteral("edit%1").arg(id), at, style);
}

void CExchangeDialog::focusAndSelect(QLineEdit* edit) {
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void CExchangeDialog::refuseField(QLineEdit* field, const QString& message) {
    QMessageBox::warning(this, QApplication::applicationDisplayName(), message);
    // Not every window system hands activation back once the message box is gone.
    activateWindow();
    focusAndSelect(field);
}

std::optional<uint32_t> CExchangeDialog::readUnsigned(QLineEdit* field, uint32_t min,
                                                      uint32_t max) {
    const std::optional<uint32_t> value = parseUnsigned(field->text());
    if (!value) {
        refuseField(field, text::EnterInteger);
    } else if (*value < min || *value > max) {
        refuseField(field, QString(text::EnterIntegerInRange).arg(min).arg(max));
    } else {
        return value;
    }
    return std::nullopt;
}

std::optional<float> CExchangeDialog::readFloat(QLineEdit* field, float min, float max) {
    const std::optional<float> value = parseFloat(field->text());
    if (!value) {
        refuseField(field, text::EnterNumber);
    } else if (*value < min || *value > max) {
        refuseField(field,
                    QString(text::EnterNumberInRange).arg(formatFloat(min), formatFloat(max)));
    } else {
        return value;
    }
    return std::nullopt;
}

void CExchangeDialog::writeFloat(QLineEdit* field, float value) {
    field->setText(formatFloat(value));
}

}  // namespace dialogs
