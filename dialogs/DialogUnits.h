#pragma once
#include <QFont>
#include <QRect>
#include <QSize>

namespace dialogs {

// A dialog template's font and the average character cell it gives: one horizontal
// dialog unit is a quarter of `cellWidth`, one vertical unit an eighth of
// `cellHeight`.
struct DialogFont {
    int cellWidth;
    int cellHeight;
    int pixelSize;
};

// "MS Sans Serif" at 8 points (1.5 by 1.625 pixels per unit) and at 10 points.
inline constexpr DialogFont kFont8{6, 13, 11};
inline constexpr DialogFont kFont10{7, 16, 13};

int unitsToPixelsX(const DialogFont& font, int units);
int unitsToPixelsY(const DialogFont& font, int units);
QRect unitsToPixels(const DialogFont& font, int x, int y, int width, int height);
QSize unitsToPixels(const DialogFont& font, int width, int height);

// The nearest face to "MS Sans Serif" this machine has, at the template's size.
QFont dialogFont(const DialogFont& font);

}  // namespace dialogs
