#include "dialogs/GeneratorDlg.h"

#include <QLabel>
#include <QLineEdit>

#include "platform/DialogTexts.h"

namespace dialogs {

CGeneratorDlg::CGeneratorDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::GeneratorTitle, 186, 95) {
    addOkCancel({7, 74, 50, 14}, {129, 74, 50, 14});
    QLabel* heading = addStaticText(this, templateFont(), platform::text::PulseParameters,
                                    {7, 7, 172, 10}, Qt::AlignHCenter);
    heading->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    heading->setAlignment(Qt::AlignCenter);
    fitTextToBox(heading);  // the frame takes room too
    addStaticText(this, templateFont(), platform::text::Period, {79, 22, 69, 9}, Qt::AlignLeft);
    addStaticText(this, templateFont(), platform::text::Duty, {7, 38, 141, 9}, Qt::AlignLeft);
    addStaticText(this, templateFont(), platform::text::Delay, {67, 54, 83, 9}, Qt::AlignLeft);
    periodEdit_ = addEditControl(1006, {154, 21, 25, 12}, EditStyle::Bordered);
    dutyEdit_ = addEditControl(1007, {154, 36, 25, 12}, EditStyle::Bordered);
    delayEdit_ = addEditControl(1009, {154, 51, 25, 12}, EditStyle::Bordered);
}

void CGeneratorDlg::loadFields() {
    writeFloat(periodEdit_, period);
    writeFloat(dutyEdit_, duty);
    writeFloat(delayEdit_, delay);
    focusAndSelect(periodEdit_);
}

bool CGeneratorDlg::storeFields() {
    // Fields are checked top to bottom; the first refused one keeps the focus.
    const std::optional<float> newPeriod = readFloat(periodEdit_, limits::kPeriod);
    if (!newPeriod) return false;
    const std::optional<float> newDuty = readFloat(dutyEdit_, limits::kDuty);
    if (!newDuty) return false;
    const std::optional<float> newDelay = readFloat(delayEdit_, limits::kDelay);
    if (!newDelay) return false;
    period = *newPeriod;
    duty = *newDuty;
    delay = *newDelay;
    return true;
}

}  // namespace dialogs
