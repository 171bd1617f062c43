#include "model/BlockElement.h"

#include "model/LogicElement.h"

namespace {
void keepOnly(Pins& pins, std::initializer_list<int> present) {
    for (Pin& pin : pins) pin.present = 0;
    for (int p : present) pins[p].present = 1;
}
}  // namespace

CBlockElement::CBlockElement(ElementKind kindArg) : kind(kindArg) {
    switch (kindArg) {
        case Trigger:
            keepOnly(pins, {0, 3, 6, 9, 10});
            pins[10].value = 1;  // Q = 0, inverse Q = 1
            bitmap = bitmap::TriggerBody;
            width = height = 40;
            break;
        case Summer:
            keepOnly(pins, {0, 3, 6, 9, 10});
            bitmap = bitmap::SummerBody;
            width = height = 40;
            break;
        case EntrSignal:
            keepOnly(pins, {9});
            bitmap = bitmap::SignalLow;
            width = 26;
            height = 21;
            break;
        case GTI:
            keepOnly(pins, {9});
            bitmap = bitmap::GeneratorLow;
            width = 26;
            height = 21;
            break;
        default:
            break;
    }
}

void CBlockElement::setPosition(int32_t newX, int32_t newY) {
    x = truncateToGrid(newX);
    y = truncateToGrid(newY);
}

Point CBlockElement::pinOffset(int pin) const {
    if (isInputPin(pin)) return {0, 5 + 5 * pin};
    const bool wide = kind == Trigger || kind == Summer;
    if (pin == 10) return {40, 30};
    return wide ? Point{40, 10} : Point{25, 10};
}
