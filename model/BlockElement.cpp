#include "model/BlockElement.h"

#include "model/LogicElement.h"

CBlockElement::CBlockElement(ElementKind kindArg) : kind(kindArg) {
    const ElementKindInfo& info = kindInfo(kind);
    if (info.table != ElementTable::Block) return;
    for (int p = 0; p < kPinCount; ++p) {
        Pin& pin = pins[static_cast<size_t>(p)];
        pin.present = hasPin(info.pins, p) ? 1 : 0;
        pin.value = hasPin(info.highAtStart, p) ? 1 : 0;
    }
    bitmap = info.lowBody;
    width = info.size.width;
    height = info.size.height;
}

void CBlockElement::setPosition(int32_t newX, int32_t newY) {
    x = truncateToGrid(newX);
    y = truncateToGrid(newY);
}

Point CBlockElement::pinOffset(int pin) const {
    return ::pinOffset(kindInfo(kind), height, pin);
}

int32_t CBlockElement::shownBitmap() const {
    return bodyBitmap(kindInfo(kind), pins[kOutputPin].value != 0);
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
