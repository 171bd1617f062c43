#include "dialogs/PinChoiceDlg.h"

#include <QPainter>
#include <QRadioButton>

#include "dialogs/ElementPicture.h"
#include "model/ElementKind.h"
#include "platform/DialogTexts.h"

namespace dialogs {

namespace {
constexpr int kButtonSize = 15;
}

CPinChoiceDlg::CPinChoiceDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::PinChoiceTitle, 186, 156) {
    for (int pin = 0; pin < kPinCount; ++pin) {
        auto* button = new QRadioButton(this);
        button->setObjectName(QStringLiteral("pin%1").arg(pin));
        button->setAutoExclusive(false);  // the dialog sets the check marks itself
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QRadioButton::clicked, this, [this, pin] { choosePin(pin); });
        pinButtons_[pin] = button;
    }
    addOkCancel({129, 114, 50, 14}, {129, 135, 50, 14});
    addStaticText(this, templateFont(), platform::text::PinChoiceQuestion, {7, 7, 172, 18},
                  Qt::AlignLeft);
}

QRect CPinChoiceDlg::pinButtonRect(int pin) const {
    const int right = kPictureOrigin.x() + kMagnification * width + 10;
    if (isInputPin(pin)) return QRect(10, 65 + 20 * pin, kButtonSize, kButtonSize);
    if (pin == kFirstOutputPin) {
        // Triggers and summers have their first output high up; the others in the middle.
        const bool twoOutputs =
            bodyBitmap == bitmap::TriggerBody || bodyBitmap == bitmap::SummerBody;
        const int top = twoOutputs ? 85 : 2 * height + 45;
        return QRect(right, top, kButtonSize, kButtonSize);
    }
    return QRect(right, 165, kButtonSize, kButtonSize);
}

void CPinChoiceDlg::loadFields() {
    for (int pin = 0; pin < kPinCount; ++pin) {
        QRadioButton* button = pinButtons_[pin];
        button->setGeometry(pinButtonRect(pin));
        button->setEnabled(pins[pin].connected == 0);
        button->setChecked(false);
        button->setVisible(pins[pin].present != 0);
    }
}

void CPinChoiceDlg::choosePin(int pin) {
    for (int other = 0; other < kPinCount; ++other) {
        pinButtons_[other]->setChecked(other == pin);
    }
    chosenPin = static_cast<uint32_t>(pin);
}

void CPinChoiceDlg::paintEvent(QPaintEvent* event) {
    CExchangeDialog::paintEvent(event);
    const QImage picture = buildElementPicture({.bodyBitmap = bodyBitmap,
                                                .outputBitmap = outputBitmap,
                                                .symbolBitmap = symbolBitmap,
                                                .width = width,
                                                .height = height});
    if (picture.isNull()) return;
    QPainter painter(this);
    // A plain pixel copy: every pixel becomes a 4 × 4 square.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(kPictureOrigin, picture.size() * kMagnification), picture);
}

}  // namespace dialogs
