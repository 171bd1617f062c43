#pragma once
#include <QString>

#include "dialogs/DialogUnits.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Controls placed at absolute template positions. Object names follow the control
// ids ("ok", "cancel", "edit1006", ...), so tests and tools can find them.
namespace dialogs {

struct UnitRect {
    int x, y, width, height;
};

QPushButton* addPushButton(QWidget* dialog, const DialogFont& font, const QString& name,
                           const QString& text, UnitRect at);

// A static text; `alignment` as Qt::Alignment bits, wrapping at word boundaries.
QLabel* addStaticText(QWidget* dialog, const DialogFont& font, const QString& text, UnitRect at,
                      int alignment);

// Narrows a text that overflows its label, down to `kNarrowestStretch` percent, and
// lengthens the label when even that does not fit.
constexpr int kNarrowestStretch = 85;
void fitTextToBox(QLabel* label);

enum class EditStyle {
    Bordered,         // an input field
    BorderedCentred,  // an input field with its text centred
    ReadOnlyLine,     // a read-only line without a border, left-aligned
    ReadOnlyCentred,  // a read-only line without a border, centred
};

QLineEdit* addEdit(QWidget* dialog, const DialogFont& font, const QString& name, UnitRect at,
                   EditStyle style);

}  // namespace dialogs
