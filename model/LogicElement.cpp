#include "model/LogicElement.h"

CLogicElement::CLogicElement(bool isConjunctionArg, uint16_t inputCountArg, bool invertedArg) {
    configure(isConjunctionArg, inputCountArg, invertedArg);
}

CLogicElement::CLogicElement(ElementKind kindArg) : kind(kindArg) {
    const ElementKindInfo& info = kindInfo(kind);
    for (int p = 0; p < kPinCount; ++p)
        pins[static_cast<size_t>(p)].present = hasPin(info.pins, p) ? 1 : 0;
    bodyBitmap = info.lowBody;
    width = info.size.width;
    height = info.size.height;
}

void CLogicElement::configure(bool isConjunctionArg, uint16_t inputCountArg, bool invertedArg) {
    isConjunction = isConjunctionArg ? 1 : 0;
    inputCount = inputCountArg;
    inverted = invertedArg ? 1 : 0;
    kind = LogicElement;
    drawState = 0;
    pins[kOutputPin].value = inverted;
    outputBitmap = inverted ? bitmap::OutputInverted : bitmap::OutputPlain;
    const GateLayout* layout = gateLayout(inputCount);
    if (!layout) return;
    const ElementKindInfo& gate = kindInfo(LogicElement);
    bodyBitmap = layout->bodyBitmap;
    width = gate.size.width;
    height = layout->height;
    // Only clears: the layout is applied to freshly reset pins.
    for (int p = 0; p < kPinCount; ++p) {
        if (!hasPin(layout->inputPins | gate.pins, p)) pins[static_cast<size_t>(p)].present = 0;
    }
}

void CLogicElement::setPosition(int32_t newX, int32_t newY) {
    x = truncateToGrid(newX);
    y = truncateToGrid(newY);
}

int indicatorNumber(const Pins& pins) {
    const PinSet inputs = kindInfo(Indicator).pins;
    int number = 0;
    for (int p = 0; p < kFirstOutputPin; ++p) {
        const Pin& pin = pins[static_cast<size_t>(p)];
        if (hasPin(inputs, p) && pin.connected && pin.value) number += 1 << p;
    }
    return number;
}

Point CLogicElement::pinOffset(int pin) const {
    return ::pinOffset(kindInfo(kind), height, pin);
}
