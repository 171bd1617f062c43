#include "dialogs/DialogControls.h"

#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace dialogs {

namespace {
QRect place(const DialogFont& font, UnitRect at) {
    return unitsToPixels(font, at.x, at.y, at.width, at.height);
}
}  // namespace

QPushButton* addPushButton(QWidget* dialog, const DialogFont& font, const QString& name,
                           const QString& text, UnitRect at) {
    auto* button = new QPushButton(text, dialog);
    button->setObjectName(name);
    button->setGeometry(place(font, at));
    return button;
}

QLabel* addStaticText(QWidget* dialog, const DialogFont& font, const QString& text, UnitRect at,
                      int alignment) {
    auto* label = new QLabel(text, dialog);
    label->setGeometry(place(font, at));
    label->setAlignment(Qt::Alignment(alignment) | Qt::AlignTop);
    label->setWordWrap(true);
    fitTextToBox(label);
    return label;
}

void fitTextToBox(QLabel* label) {
    const auto fits = [label] { return label->heightForWidth(label->width()) <= label->height(); };
    // Our faces run wider than the one the boxes were measured for: narrow the text a
    // little first, and if that is not enough let the box grow downwards rather than
    // cut off a line.
    QFont narrowed = label->font();
    for (int stretch = 95; !fits() && stretch >= kNarrowestStretch; stretch -= 5) {
        narrowed.setStretch(stretch);
        label->setFont(narrowed);
    }
    if (!fits()) label->resize(label->width(), label->heightForWidth(label->width()));
}

QLineEdit* addEdit(QWidget* dialog, const DialogFont& font, const QString& name, UnitRect at,
                   EditStyle style) {
    auto* edit = new QLineEdit(dialog);
    edit->setObjectName(name);
    edit->setGeometry(place(font, at));
    const bool centred = style == EditStyle::BorderedCentred || style == EditStyle::ReadOnlyCentred;
    edit->setAlignment(centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    if (style == EditStyle::ReadOnlyLine || style == EditStyle::ReadOnlyCentred) {
        edit->setReadOnly(true);
        edit->setFrame(false);
        // A read-only line reads as text on the dialog, from the top of its box; lines
        // whose boxes overlap must not paint over each other.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        edit->setPalette(palette);
        edit->setAlignment((edit->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignTop);
    }
    return edit;
}

}  // namespace dialogs
