#include "dialogs/DialogUnits.h"

#include <QStringList>

namespace dialogs {

namespace {
// value · numerator / denominator, rounded half away from zero.
int scaleRounded(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}
}  // namespace

int unitsToPixelsX(const DialogFont& font, int units) {
    return scaleRounded(units, font.cellWidth, 4);
}

int unitsToPixelsY(const DialogFont& font, int units) {
    return scaleRounded(units, font.cellHeight, 8);
}

QRect unitsToPixels(const DialogFont& font, int x, int y, int width, int height) {
    const int left = unitsToPixelsX(font, x);
    const int top = unitsToPixelsY(font, y);
    // Right and bottom are converted as edges, so neighbouring controls never overlap.
    const int right = unitsToPixelsX(font, x + width);
    const int bottom = unitsToPixelsY(font, y + height);
    return QRect(left, top, right - left, bottom - top);
}

QSize unitsToPixels(const DialogFont& font, int width, int height) {
    return QSize(unitsToPixelsX(font, width), unitsToPixelsY(font, height));
}

QFont dialogFont(const DialogFont& font) {
    QFont result;
    result.setFamilies(
        {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"});
    result.setPixelSize(font.pixelSize);
    return result;
}

}  // namespace dialogs
