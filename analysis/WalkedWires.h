#pragma once
#include <algorithm>
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace analysis {

// The wires one output's walk has entered: each is entered once.
struct WalkedWires {
    const CWire* enter(int32_t slot) {
        if (std::find(walked.begin(), walked.end(), slot) != walked.end()) return nullptr;
        const CWire* wire = circuit.wire(slot);
        if (wire) walked.push_back(slot);
        return wire;
    }
    const CCircuit& circuit;
    std::vector<int32_t> walked;
};

}  // namespace analysis
