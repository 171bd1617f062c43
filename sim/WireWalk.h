#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace sim {

// Calls `reachInput(pin)` for every input pin the wire reaches, in end order,
// following each junction into the other wire at once (depth first). `visited`
// holds the wires already walked for this output; each further wire reached is
// appended, so every wire is walked at most once and junction loops end.
template <typename ReachInput>
void walkWire(const CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited,
              ReachInput&& reachInput) {
    const CWire* wire = circuit.wire(wireSlot);
    if (!wire) return;
    // A walk changes no end list, so the range stays valid for the whole loop.
    for (const WireEnd& end : wire->ends) {
        if (end.kind == kLinkWire) {
            if (std::find(visited.begin(), visited.end(), end.index) != visited.end()) continue;
            if (!circuit.wire(end.index)) continue;
            visited.push_back(end.index);
            walkWire(circuit, end.index, visited, reachInput);
            continue;
        }
        // Wires only ever drive inputs; an end on an output is where a level comes from.
        if (!isInputPin(end.slot)) continue;
        if (Pin* pin = circuit.pin(end.kind, end.index, end.slot)) reachInput(*pin);
    }
}

}  // namespace sim
