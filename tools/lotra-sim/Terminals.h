#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace lotrasim {

// The inputs and outputs of a circuit as a teacher names them: its input signals
// and its indicators, each in reading order of their positions (top to bottom, and
// left to right among those at one height; the lower slot first at one point).
struct Terminals {
    std::vector<int32_t> inputs;      // block slots of the input signals
    std::vector<int32_t> indicators;  // logic-element slots of the indicators
};

Terminals readingOrderTerminals(const CCircuit& circuit);

// A generator or a trigger gives the circuit a clock or a memory, so that what it
// shows depends on the ticks run, not on the inputs alone.
bool isSequential(const CCircuit& circuit);

}  // namespace lotrasim
