#pragma once
#include "model/Circuit.h"

// A copy of every record, slot for slot, with everything a record holds: levels,
// trigger latches, generator counts and drawing state, which the file does not
// all keep.
CCircuit copyTables(const CCircuit& circuit);
// The same copy made over an earlier one, whose records and point buffers are
// used again where the slot is still taken.
void copyTablesInto(const CCircuit& from, CCircuit& to);
