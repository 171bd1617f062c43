#include "dialogs/LogicElementDlg.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

#include "dialogs/FieldParsing.h"
#include "dialogs/UpDownControl.h"
#include "platform/DialogTexts.h"

namespace dialogs {

namespace {
// The radio buttons are placed in pixels, not dialog units.
QRadioButton* typeButton(QWidget* parent, int id, const char* label, QRect at) {
    auto* button = new QRadioButton(label, parent);
    button->setObjectName(QStringLiteral("radio%1").arg(id));
    button->setAutoExclusive(false);  // the dialog sets the check marks itself
    button->setGeometry(at);
    return button;
}
}  // namespace

CLogicElementDlg::CLogicElementDlg(QWidget* parent)
    : CExchangeDialog(parent, platform::text::LogicElementTitle, 186, 89),
      conjunctor_(typeButton(this, 40008, platform::text::Conjunctor, QRect(11, 75, 100, 15))),
      disjunctor_(typeButton(this, 40009, platform::text::Disjunctor, QRect(163, 75, 110, 15))) {
    conjunctor_->setLayoutDirection(Qt::RightToLeft);  // its text stands left of the circle
    connect(conjunctor_, &QRadioButton::clicked, this, [this] { chooseType(true); });
    connect(disjunctor_, &QRadioButton::clicked, this, [this] { chooseType(false); });

    addOkCancel({7, 68, 50, 14}, {129, 68, 50, 14});
    addStaticText(this, templateFont(), platform::text::InputCount, {7, 7, 68, 13},
                  Qt::AlignHCenter);
    inputCountEdit_ = addEditControl(1006, {78, 7, 29, 13}, EditStyle::BorderedCentred);
    inputCountEdit_->installEventFilter(this);
    addStaticText(this, templateFont(), platform::text::InputRange, {121, 7, 30, 13},
                  Qt::AlignHCenter);

    invertedBox_ = new QCheckBox(platform::text::InvertedOutput, this);
    invertedBox_->setObjectName("check1010");
    invertedBox_->setGeometry(unitsToPixels(templateFont(), 40, 30, 105, 10));

    auto* upDown = new CUpDownControl(this);
    upDown->setObjectName("updown1065");
    upDown->setGeometry(unitsToPixels(templateFont(), 107, 7, 9, 13));
    connect(upDown, &CUpDownControl::stepped, this, &CLogicElementDlg::stepInputCount);
}

void CLogicElementDlg::loadFields() {
    chooseType(isConjunction);
    inputCountEdit_->setText(QString::number(inputCount));
    invertedBox_->setChecked(inverted);
    focusAndSelect(inputCountEdit_);
}

bool CLogicElementDlg::storeFields() {
    const std::optional<uint32_t> count = readUnsigned(inputCountEdit_, limits::kInputCount);
    if (!count) return false;
    inputCount = *count;
    inverted = invertedBox_->isChecked();
    return true;
}

bool CLogicElementDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == inputCountEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepInputCount(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return CExchangeDialog::eventFilter(watched, event);
}

void CLogicElementDlg::chooseType(bool conjunction) {
    isConjunction = conjunction;
    conjunctor_->setChecked(conjunction);
    disjunctor_->setChecked(!conjunction);
}

void CLogicElementDlg::stepInputCount(int delta) {
    const std::optional<uint32_t> typed = parseUnsigned(inputCountEdit_->text());
    // Text that is not a count starts over at the smallest one.
    const long long stepped =
        typed ? static_cast<long long>(*typed) + delta : limits::kInputCount.min;
    const long long count =
        std::clamp<long long>(stepped, limits::kInputCount.min, limits::kInputCount.max);
    inputCountEdit_->setText(QString::number(count));
    inputCountEdit_->selectAll();
}

}  // namespace dialogs
