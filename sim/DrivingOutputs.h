#pragma once
#include <cstdint>

#include "model/Circuit.h"

namespace sim {

// Calls `deliver(inBlockTable, slot, output, pin)` for every output that drives a
// wire, in the order a settle pass delivers them: block elements before logic
// elements, slots upward, Q (output 0) before inverse Q (output 1).
template <typename Deliver>
void forEachDrivingOutput(const CCircuit& circuit, Deliver&& deliver) {
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s) {
        const CBlockElement* element = circuit.blockElements[s].get();
        if (!element) continue;
        const Pin& q = element->pins[kOutputPin];
        const Pin& second = element->pins[kSecondOutputPin];
        if (q.connected) deliver(true, s, uint8_t{0}, q);
        if (second.present && second.connected) deliver(true, s, uint8_t{1}, second);
    }
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s) {
        const CLogicElement* element = circuit.logicElements[s].get();
        if (element && element->pins[kOutputPin].connected)
            deliver(false, s, uint8_t{0}, element->pins[kOutputPin]);
    }
}

}  // namespace sim
