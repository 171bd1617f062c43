#include "sim/DeliveryPlan.h"

#include "sim/WireWalk.h"

namespace sim {

DeliveryPlan::DeliveryPlan(const CCircuit& circuit) {
    for (const auto& element : circuit.blockElements) {
        if (!element) continue;
        const Pin& q = element->pins[kOutputPin];
        const Pin& secondOutput = element->pins[kSecondOutputPin];
        if (q.connected) addRoute(circuit, q);
        if (secondOutput.present && secondOutput.connected) addRoute(circuit, secondOutput);
    }
    for (const auto& element : circuit.logicElements) {
        if (element && element->pins[kOutputPin].connected)
            addRoute(circuit, element->pins[kOutputPin]);
    }
}

void DeliveryPlan::addRoute(const CCircuit& circuit, const Pin& output) {
    const auto first = static_cast<uint32_t>(targets_.size());
    // Each output's walk starts afresh with only its own wire visited.
    visited_.assign(1, output.wireIndex);
    walkWire(circuit, output.wireIndex, visited_,
             [this](Pin& input) { targets_.push_back(&input.value); });
    routes_.push_back({&output.value, first, static_cast<uint32_t>(targets_.size())});
}

void DeliveryPlan::deliver() const {
    for (const Route& route : routes_) {
        // Levels from files may be any byte; anything but 0 is delivered as 1.
        const uint8_t level = *route.source != 0 ? 1 : 0;
        for (uint32_t t = route.firstTarget; t < route.endTarget; ++t) *targets_[t] = level;
    }
}

}  // namespace sim
