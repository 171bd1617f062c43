#pragma once
#include <cstddef>

#include "model/Circuit.h"

// Whole copies of the three tables, as the undo history keeps them.
namespace app {

// A copy of every record, slot for slot, with everything a record holds: levels,
// trigger latches, generator counts and drawing state, which the file does not
// all keep.
CCircuit copyTables(const CCircuit& circuit);
// The same copy made over an earlier one, whose records and point buffers are
// used again where the slot is still taken.
void copyTablesInto(const CCircuit& from, CCircuit& to);

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
