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
            keepOnly(pins, {kTriggerJ, kTriggerClock, kTriggerK, kTriggerQ, kTriggerNotQ});
            pins[kTriggerNotQ].value = 1;  // Q = 0, inverse Q = 1
            bitmap = bitmap::TriggerBody;
            width = height = 40;
            break;
        case Summer:
            keepOnly(pins, {kSummerA, kSummerCarryIn, kSummerB, kSummerSum, kSummerCarryOut});
            bitmap = bitmap::SummerBody;
            width = height = 40;
            break;
        case EntrSignal:
            keepOnly(pins, {kOutputPin});
            bitmap = bitmap::SignalLow;
            width = 26;
            height = 21;
            break;
        case GTI:
            keepOnly(pins, {kOutputPin});
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
    if (pin == kSecondOutputPin) return {40, 30};
    return wide ? Point{40, 10} : Point{25, 10};
}

int32_t CBlockElement::shownBitmap() const {
    const bool high = pins[kOutputPin].value != 0;
    if (kind == EntrSignal) return high ? bitmap::SignalHigh : bitmap::SignalLow;
    if (kind == GTI) return high ? bitmap::GeneratorHigh : bitmap::GeneratorLow;
    return bitmap;
}

bool CBlockElement::setupGenerator(uint32_t newPeriod, uint32_t newPulse, uint32_t newDelay) {
    periodTicks = newPeriod;
    pulseTicks = newPulse;
    delayTicks = newDelay;
    tickCounter = 0;
    if (uint64_t{newDelay} + newPulse <= newPeriod) return true;
    // The pulse moves to the end of the period; a pulse longer than the period
    // starts at once rather than at a wrapped-around tick.
    delayTicks = newPulse <= newPeriod ? newPeriod - newPulse : 0;
    return false;
}

bool CBlockElement::generatorTick() {
    // A period of 0 can only come from a damaged file: such a generator stands still.
    if (periodTicks == 0) return false;
    bool changed = false;
    if (tickCounter == delayTicks) {
        pins[kOutputPin].value = 1;
        changed = true;
    }
    // Checked after the rise, so a one-tick pulse ends the tick at 0.
    if (tickCounter == delayTicks + pulseTicks - 1) {
        pins[kOutputPin].value = 0;
        changed = true;
    }
    ++tickCounter;
    // Also brings back a counter left past the period by fields set directly.
    if (tickCounter >= periodTicks) tickCounter = 0;
    return changed;
}
