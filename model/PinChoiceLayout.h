#pragma once
#include <array>
#include <cstdint>

#include "model/ElementKinds.h"
#include "model/Geometry.h"

// The pin-choice dialog, in pixels of its client area. The element's picture is
// magnified `magnification` times with its corner at `pictureOrigin`; beside each
// pin stands a square button `buttonSize` wide whose top is `buttonAboveRow` above
// the pin's row in the picture. Input buttons stand at `inputButtonLeft`, output
// buttons `outputButtonGap` right of the picture. Pin 9 of an element with one
// output is level with the middle of the element (half its height, exactly); an
// element with two outputs has them on `twoOutputRows`, as a trigger has.
struct PinChoiceLayout {
    Point pictureOrigin;
    int32_t magnification = 0;
    int32_t buttonSize = 0;
    int32_t buttonAboveRow = 0;
    int32_t inputButtonLeft = 0;
    int32_t outputButtonGap = 0;
    std::array<int32_t, 2> twoOutputRows{};
};

inline constexpr PinChoiceLayout kPinChoiceLayout{
    .pictureOrigin = {30, 50},
    .magnification = 4,
    .buttonSize = 15,
    .buttonAboveRow = 5,
    .inputButtonLeft = 10,
    .outputButtonGap = 10,
    .twoOutputRows = {kBlockOutputs[0].y, kBlockOutputs[1].y},
};

// The button of pin 0 to 10 for an element of that size (right and bottom exclusive).
constexpr Rect pinButtonRect(int pin, Size element, bool twoOutputs) {
    const PinChoiceLayout& layout = kPinChoiceLayout;
    const int32_t m = layout.magnification;
    int32_t left = layout.pictureOrigin.x + m * element.width + layout.outputButtonGap;
    int32_t magnifiedRow = m * layout.twoOutputRows[1];
    if (isInputPin(pin)) {
        left = layout.inputButtonLeft;
        magnifiedRow = m * (kFirstInputRow + kInputRowStep * pin);
    } else if (pin == kOutputPin) {
        magnifiedRow = twoOutputs ? m * layout.twoOutputRows[0] : m * element.height / 2;
    }
    const int32_t top = layout.pictureOrigin.y + magnifiedRow - layout.buttonAboveRow;
    return {left, top, left + layout.buttonSize, top + layout.buttonSize};
}
