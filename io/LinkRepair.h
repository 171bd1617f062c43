#pragma once
#include "model/Circuit.h"

namespace io {

// Makes every link of the circuit mutual, for circuits read from damaged files:
// - a wire with fewer than two ends gets free ends at its first and last point;
// - a pin is connected only while the end it names sits on it and names it back
//   (a pin that is not present is never connected);
// - an end on a pin that does not name it back, or on a missing element or pin,
//   becomes free; so does an own end (0 or 1) joined to a partner that does not
//   name it back;
// - a junction end (2 onward) that is not one half of a mutual junction is removed,
//   and every reference to the ends that move down is rewritten.
// A circuit whose links are already mutual is left exactly as it was.
void repairLinks(CCircuit& circuit);

}  // namespace io
