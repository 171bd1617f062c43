#pragma once
#include <cstddef>

#include "model/Circuit.h"
#include "model/CircuitCopy.h"

// What the undo history asks of its copies of the three tables (made by
// copyTables): whether they differ, and what they cost.
namespace app {

// Whether the two circuits differ in anything but their levels (pin values,
// trigger latches, generator counts), which the power and the clock change
// without the user doing anything.
bool differApartFromLevels(const CCircuit& a, const CCircuit& b);

// Whether a settle of the circuit as it stands would change any level or latch, or
// would not end: the circuit is copied into `trial`, which is settled in its place.
bool settleWouldChangeLevels(const CCircuit& circuit, CCircuit& trial);

// The memory the tables take: every record and point or end buffer, with an
// allowance for the allocator's bookkeeping of each.
size_t footprintBytes(const CCircuit& circuit);

}  // namespace app
