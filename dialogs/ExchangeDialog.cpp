#include "dialogs/ExchangeDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "dialogs/FieldParsing.h"
#include "platform/DialogTexts.h"

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
    addAcceptButton(platform::text::Ok, ok);
    addRejectButton(platform::text::Cancel, cancel);
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

std::optional<uint32_t> CExchangeDialog::readUnsigned(QLineEdit* field,
                                                      ParamRange<uint32_t> range) {
    const std::optional<uint32_t> value = parseUnsigned(field->text());
    if (!value) {
        refuseField(field, platform::text::EnterInteger);
    } else if (!range.contains(*value)) {
        refuseField(field,
                    QString(platform::text::EnterIntegerInRange).arg(range.min).arg(range.max));
    } else {
        return value;
    }
    return std::nullopt;
}

std::optional<float> CExchangeDialog::readFloat(QLineEdit* field, ParamRange<float> range) {
    const std::optional<float> value = parseFloat(field->text());
    if (!value) {
        refuseField(field, platform::text::EnterNumber);
    } else if (!range.contains(*value)) {
        refuseField(field, QString(platform::text::EnterNumberInRange)
                               .arg(formatFloat(range.min), formatFloat(range.max)));
    } else {
        return value;
    }
    return std::nullopt;
}

void CExchangeDialog::writeFloat(QLineEdit* field, float value) {
    field->setText(formatFloat(value));
}

}  // namespace dialogs
