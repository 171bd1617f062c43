#pragma once
#include <cstdint>

#include "model/BlockElement.h"
#include "model/ElementParams.h"

namespace sim {

struct GeneratorTicks {
    uint32_t period = 0;
    uint32_t pulse = 0;
    uint32_t delay = 0;
    friend bool operator==(const GeneratorTicks&, const GeneratorTicks&) = default;
};

// Ten ticks per second; products in double from the single-precision values,
// truncated, so a 1 s period with a 0.7 fill factor gives 6 pulse ticks.
GeneratorTicks toTicks(const GeneratorParams& params);
// The dialog values of a generator's current ticks.
GeneratorParams fromTicks(const CBlockElement& generator);

}  // namespace sim
