#include <algorithm>

#include "sim/Simulation.h"

namespace sim {

namespace {

bool wasVisited(const std::vector<int32_t>& visited, int32_t wireSlot) {
    return std::find(visited.begin(), visited.end(), wireSlot) != visited.end();
}

}  // namespace

void propagate(CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited, uint8_t level) {
    const CWire* wire = circuit.wire(wireSlot);
    if (!wire) return;
    // The end list is not changed by a walk, so its size holds for the whole loop.
    for (const WireEnd& end : wire->ends) {
        if (end.kind == kLinkWire) {
            if (wasVisited(visited, end.index) || !circuit.wire(end.index)) continue;
            visited.push_back(end.index);
            propagate(circuit, end.index, visited, level);
            continue;
        }
        // Wires only ever drive inputs; an end on an output pin is where the level came from.
        if (!isInputPin(end.slot)) continue;
        if (Pin* pin = circuit.pin(end.kind, end.index, end.slot)) pin->value = level;
    }
}

}  // namespace sim
