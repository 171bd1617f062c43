#include "bench/CraftedWires.h"

#include <memory>

void addJunctionPile(CCircuit& circuit) {
    constexpr int32_t kJunctions = 1'000'000;
    constexpr Point kSpot{100, 100};
    for (int32_t slot = 0; slot < 2; ++slot) {
        auto wire = std::make_unique<CWire>();
        wire->points = {{20, 100}, {200, 100}};
        wire->ends = {{20, 100, kLinkNone, 0, 0}, {200, 100, kLinkNone, 0, 0}};
        for (int32_t i = 0; i < kJunctions; ++i)
            wire->ends.push_back({kSpot.x, kSpot.y, kLinkWire, 1 - slot, 2 + i});
        wire->index = slot;
        circuit.wires[static_cast<size_t>(slot)] = std::move(wire);
    }
}

void addFarAwayWire(CCircuit& circuit) {
    constexpr int32_t kPoints = 20'000'000;
    auto wire = std::make_unique<CWire>();
    wire->points.reserve(kPoints);
    for (int32_t i = 0; i < kPoints; ++i)
        wire->points.push_back({5000 + i % 2 * 4000, 9000 - i % 7});
    const Point first = wire->points.front(), last = wire->points.back();
    wire->ends = {{first.x, first.y, kLinkNone, 0, 0}, {last.x, last.y, kLinkNone, 0, 0}};
    circuit.wires[0] = std::move(wire);
}
