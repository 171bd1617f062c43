#include "sim/Generator.h"

#include <limits>

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
        pins[9].value = 1;
        changed = true;
    }
    // Checked after the rise, so a one-tick pulse ends the tick at 0.
    if (tickCounter == delayTicks + pulseTicks - 1) {
        pins[9].value = 0;
        changed = true;
    }
    ++tickCounter;
    // Also brings back a counter left past the period by fields set directly.
    if (tickCounter >= periodTicks) tickCounter = 0;
    return changed;
}

namespace sim {

namespace {

// Truncation toward zero that stays defined for values no dialog gives.
uint32_t truncateToTicks(double value) {
    if (!(value > 0.0)) return 0;
    constexpr double kMax = std::numeric_limits<uint32_t>::max();
    if (value >= kMax) return std::numeric_limits<uint32_t>::max();
    return static_cast<uint32_t>(value);
}

// Seconds to ticks of 100 ms, computed as seconds x 1000 ms x 0.01.
uint32_t secondsToTicks(float seconds) {
    return truncateToTicks(static_cast<double>(seconds) * 1000 * 0.01);
}

}  // namespace

GeneratorTicks toTicks(const platform::GeneratorParams& params) {
    GeneratorTicks ticks;
    ticks.period = secondsToTicks(params.period);
    ticks.pulse = truncateToTicks(ticks.period * static_cast<double>(params.duty));
    ticks.delay = secondsToTicks(params.delay);
    return ticks;
}

platform::GeneratorParams fromTicks(const CBlockElement& generator) {
    platform::GeneratorParams params;
    params.period = static_cast<float>(generator.periodTicks * 0.1);
    // Without a period there is no fill factor to show; the insertion default stands in.
    if (generator.periodTicks != 0)
        params.duty =
            static_cast<float>(static_cast<double>(generator.pulseTicks) / generator.periodTicks);
    params.delay = static_cast<float>(generator.delayTicks * 0.1);
    return params;
}

}  // namespace sim
