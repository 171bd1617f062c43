#include "sim/Simulation.h"
#include "sim/WireWalk.h"

namespace sim {

void propagate(CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited, uint8_t level) {
    walkWire(circuit, wireSlot, visited, [level](Pin& pin) { pin.value = level; });
}

}  // namespace sim
