#pragma once
#include <cstdint>

#include "model/Circuit.h"

namespace edit {

// Takes back the last segment at end 0 or 1 of a held wire: junctions at the end
// point are removed (freeing the wires joined there), then the end point (with its
// repeats) is pulled back to the nearest junction on the segment, or dropped when
// there is none. The end record itself stays with the pointer; no repaint.
bool retractHeldEnd(CCircuit& circuit, int32_t wireSlot, int32_t end);

}  // namespace edit
