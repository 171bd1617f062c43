#pragma once
#include <cstdint>

#include "model/Circuit.h"

namespace edit {

// Extends the polyline to meet end 1 (always appending its position) and end 0.
// A wire without points first gets its stub. No repaint: the callers repaint.
bool closeWireEnds(CCircuit& circuit, int32_t wireSlot);

// Writes the pin side of every end on an element pin, then closes the ends.
bool linkWireToPins(CCircuit& circuit, int32_t wireSlot);

// Joins the free end 0 or 1 of a wire onto another wire where the end stands: the
// target gains a junction end naming it, the end names that junction, and the wire
// is linked. False, changing nothing, for a missing wire, a wire joined onto
// itself or an end that is already attached.
bool joinWireEnd(CCircuit& circuit, int32_t wireSlot, int32_t end, int32_t targetSlot);

}  // namespace edit
