#include "dialogs/PinChoiceDlg.h"

#include <QPainter>
#include <QRadioButton>

#include "dialogs/ElementPicture.h"
#include "model/PinChoiceLayout.h"
#include "platform/DialogTexts.h"

namespace dialogs {

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

void CPinChoiceDlg::loadFields() {
    for (int pin = 0; pin < kPinCount; ++pin) {
        QRadioButton* button = pinButtons_[pin];
        const Rect box = pinButtonRect(pin, {width, height}, twoOutputs);
        button->setGeometry(box.left, box.top, box.width(), box.height());
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
    const PinChoiceLayout& layout = kPinChoiceLayout;
    painter.drawImage(QRect(QPoint(layout.pictureOrigin.x, layout.pictureOrigin.y),
                            picture.size() * layout.magnification),
                      picture);
}

}  // namespace dialogs
