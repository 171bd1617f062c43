#pragma once
#include <cstdint>
#include <optional>

#include "edit/EditState.h"
#include "model/Circuit.h"

namespace edit {

// The wire slot that excludes no wire from hitWires.
constexpr int32_t kNoExcludedWire = CCircuit::kWireSlots;

// Elements whose rectangle holds the work-area point, edges included, in slot order;
// nothing when none does.
std::optional<HitList> hitLogicElements(const CCircuit& circuit, Point point);
std::optional<HitList> hitBlockElements(const CCircuit& circuit, Point point);

// Wires that pass exactly through the point at one of their 5-pixel grid points,
// once per segment that does. A wire's first point is never a hit, nor are its last
// point and the grid point before it.
std::optional<HitList> hitWires(const CCircuit& circuit, Point point, int32_t excludedWire);

// The first free own end (end 0, then end 1, wires in slot order) within 2 pixels
// of the point in each axis.
std::optional<WireEndRef> findFreeWireEnd(const CCircuit& circuit, Point point);

}  // namespace edit
