#include "model/LogicElement.h"

#include <array>

namespace {
constexpr uint16_t pinsMask(std::initializer_list<int> pins) {
    uint16_t mask = 0;
    for (int p : pins) mask = static_cast<uint16_t>(mask | (1u << p));
    return mask;
}

constexpr std::array<GateLayout, 9> kGateLayouts{{
    {pinsMask({2}), bitmap::Gate1, 30},
    {pinsMask({0, 4}), bitmap::Gate2, 30},
    {pinsMask({0, 2, 4}), bitmap::Gate3, 30},
    {pinsMask({0, 1, 3, 4}), bitmap::Gate4, 30},
    {pinsMask({0, 1, 2, 3, 4}), bitmap::Gate5, 30},
    {pinsMask({0, 1, 2, 4, 5, 6}), bitmap::Gate6, 40},
    {pinsMask({0, 1, 2, 3, 4, 5, 6}), bitmap::Gate7, 40},
    {pinsMask({0, 1, 2, 3, 5, 6, 7, 8}), bitmap::Gate8, 50},
    {pinsMask({0, 1, 2, 3, 4, 5, 6, 7, 8}), bitmap::Gate9, 50},
}};
constexpr int32_t kGateWidth = 30;
}  // namespace

const GateLayout* gateLayout(unsigned inputCount) {
    if (inputCount < 1 || inputCount > kGateLayouts.size()) return nullptr;
    return &kGateLayouts[inputCount - 1];
}

CLogicElement::CLogicElement(bool isConjunctionArg, uint16_t inputCountArg, bool invertedArg) {
    configure(isConjunctionArg, inputCountArg, invertedArg);
}

CLogicElement::CLogicElement(IndicatorTag)
    : kind(Indicator), bodyBitmap(bitmap::IndicatorBody), width(50), height(30) {
    for (int p = 5; p < kPinCount; ++p) pins[p].present = 0;
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
    bodyBitmap = layout->bodyBitmap;
    width = kGateWidth;
    height = layout->height;
    for (int p = 0; p < kFirstOutputPin; ++p) {
        if (!(layout->inputPinMask & (1u << p))) pins[p].present = 0;
    }
    pins[kSecondOutputPin].present = 0;
}

void CLogicElement::setPosition(int32_t newX, int32_t newY) {
    x = truncateToGrid(newX);
    y = truncateToGrid(newY);
}

int indicatorNumber(const Pins& pins) {
    constexpr int kIndicatorInputs = 5;
    int number = 0;
    for (int p = 0; p < kIndicatorInputs; ++p)
        if (pins[p].connected && pins[p].value) number += 1 << p;
    return number;
}

Point CLogicElement::pinOffset(int pin) const {
    if (isInputPin(pin)) return {0, 5 + 5 * pin};
    if (kind == Indicator) return {0, 0};  // an indicator has no outputs
    if (inputCount >= 8) return {30, 25};
    if (inputCount >= 6) return {30, 20};
    return {30, 15};
}
