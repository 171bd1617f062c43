#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace sim {

class CWiringKey;

// The wiring of a circuit as a settle pass uses it: which input pins every driving
// output delivers to, worked out once by walking the wires. Levels change during a
// settle, the wiring does not.
//
// Data layout:
//   readers         every gate, trigger and summer (the elements a pass evaluates,
//                   block elements first, then gates, slots upward), then every other
//                   element with an input that an output reaches (indicators).
//   targets         reader x 16 + pin: an input that an output reaches. An input that
//                   several outputs reach is listed once, under the one delivered last
//                   in a pass (block elements before logic elements, slots upward, Q
//                   before inverse Q), whose level it holds after every delivery.
//   targetPins      by target: the pin's level byte.
//   outputTargets   output o of evaluated reader r delivers to targets
//                   [outputTargets[2r + o], outputTargets[2r + o + 1]).
//   fixedOutputs    the outputs that no evaluation changes (input signals, generators),
//                   each with its level byte and its range of targets, after the others.
struct SettleWiring {
    struct Reader {
        Pins* pins;
        CLogicElement* gate;   // an evaluated gate, or
        CBlockElement* block;  // an evaluated trigger or summer; neither for the rest
    };
    struct FixedOutput {
        const uint8_t* level;
        uint32_t firstTarget;
        uint32_t endTarget;
    };

    std::vector<Reader> readers;
    uint32_t evaluated = 0;
    std::vector<uint32_t> targets;
    std::vector<uint8_t*> targetPins;
    std::vector<uint32_t> outputTargets;
    std::vector<FixedOutput> fixedOutputs;
};

// A target names reader x 16 + pin.
constexpr uint32_t targetOf(uint32_t reader, uint32_t pin) {
    return reader * 16 + pin;
}
constexpr uint32_t targetReader(uint32_t target) {
    return target / 16;
}
constexpr uint32_t targetPin(uint32_t target) {
    return target % 16;
}

// Walks the wires of every driving output of the circuit; with a key, everything of
// the tables that the walks read is recorded in it.
SettleWiring buildSettleWiring(CCircuit& circuit, CWiringKey* key);

}  // namespace sim
