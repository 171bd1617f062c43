#include "sim/Generator.h"

#include <limits>

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

GeneratorTicks toTicks(const GeneratorParams& params) {
    GeneratorTicks ticks;
    ticks.period = secondsToTicks(params.period);
    ticks.pulse = truncateToTicks(ticks.period * static_cast<double>(params.duty));
    ticks.delay = secondsToTicks(params.delay);
    return ticks;
}

GeneratorParams fromTicks(const CBlockElement& generator) {
    GeneratorParams params;
    params.period = static_cast<float>(generator.periodTicks * 0.1);
    // Without a period there is no fill factor to show; the insertion default stands in.
    if (generator.periodTicks != 0)
        params.duty =
            static_cast<float>(static_cast<double>(generator.pulseTicks) / generator.periodTicks);
    params.delay = static_cast<float>(generator.delayTicks * 0.1);
    return params;
}

}  // namespace sim
