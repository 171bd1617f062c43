#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace sim {

// The wires one output's walk has entered, in the order they were reached: each is
// entered once. A net for walkWire.
struct WalkedWires {
    const CWire* enter(int32_t slot) {
        if (std::find(walked.begin(), walked.end(), slot) != walked.end()) return nullptr;
        const CWire* wire = circuit.wire(slot);
        if (wire) walked.push_back(slot);
        return wire;
    }
    const CCircuit& circuit;
    std::vector<int32_t>& walked;
};

// Calls `reachInput(end, pin)` for every input pin the wire reaches, in end order,
// following each junction into the other wire at once (depth first). Whether a
// junction is followed is up to `net.enter(slot)`: it gives the wire to walk next,
// or nullptr when that wire was already walked for this output or does not exist.
// Every wire is walked at most once per output, so junction loops end.
template <typename Net, typename ReachInput>
void walkWire(const CCircuit& circuit, const CWire& wire, Net& net, ReachInput&& reachInput) {
    // A walk changes no end list, so the range stays valid for the whole loop.
    for (const WireEnd& end : wire.ends) {
        if (end.kind == kLinkWire) {
            if (const CWire* next = net.enter(end.index)) walkWire(circuit, *next, net, reachInput);
            continue;
        }
        // Wires only ever drive inputs; an end on an output is where a level comes from.
        if (!isInputPin(end.slot)) continue;
        if (Pin* pin = circuit.linkedPin(end)) reachInput(end, *pin);
    }
}

}  // namespace sim
