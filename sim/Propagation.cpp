#include "sim/Simulation.h"
#include "sim/WireWalk.h"

namespace sim {

void propagate(CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited, uint8_t level) {
    const CWire* wire = circuit.wire(wireSlot);
    if (!wire) return;
    WalkedWires net{circuit, visited};
    walkWire(circuit, *wire, net, [level](const WireEnd&, Pin& pin) { pin.value = level; });
}

}  // namespace sim
