#pragma once
#include "model/Circuit.h"

// Wires as crafted files can hold them, for timing repaints.

// Two wires across the window joined by a million mutual junction ends, all on one
// visible point: two million dots on one spot.
void addJunctionPile(CCircuit& circuit);

// A wire of twenty million points that all lie far to the right of the window.
void addFarAwayWire(CCircuit& circuit);
