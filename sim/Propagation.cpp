#include <algorithm>

#include "sim/Simulation.h"
#include "sim/WireWalk.h"

namespace sim {

namespace {

// The wires walked so far for one output, in the order they were reached.
struct VisitedList {
    const CWire* enter(int32_t slot) {
        if (std::find(visited.begin(), visited.end(), slot) != visited.end()) return nullptr;
        const CWire* wire = circuit.wire(slot);
        if (wire) visited.push_back(slot);
        return wire;
    }
    const CCircuit& circuit;
    std::vector<int32_t>& visited;
};

}  // namespace

void propagate(CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited, uint8_t level) {
    const CWire* wire = circuit.wire(wireSlot);
    if (!wire) return;
    VisitedList net{circuit, visited};
    walkWire(circuit, *wire, net, [level](const WireEnd&, Pin& pin) { pin.value = level; });
}

}  // namespace sim
