#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "tests/edit/GestureFixture.h"

// Wires made to measure: loose ones with free ends, and any wire in a chosen slot.
class WireFixture : public GestureFixture {
  protected:
    using Points = std::vector<Point>;

    // A wire with the given points whose two own ends are free at the given positions.
    int32_t looseWire(Points points, Point end0, Point end1) {
        const int32_t wire = *circuit.registerWire();
        wireAt(wire).points = std::move(points);
        wireAt(wire).ends = {{end0.x, end0.y, kLinkNone, 0, 0}, {end1.x, end1.y, kLinkNone, 0, 0}};
        return wire;
    }

    // The wire `make` registers lands in `slot`: the lower free slots are held by
    // empty wires meanwhile.
    int32_t wireInSlot(int32_t slot, const std::function<int32_t()>& make) {
        std::vector<int32_t> fillers;
        for (int32_t s = 0; s < slot; ++s) {
            if (!circuit.wire(s)) fillers.push_back(*circuit.registerWire());
        }
        const int32_t made = make();
        for (int32_t s : fillers) circuit.wires[s].reset();
        return made;
    }
};
