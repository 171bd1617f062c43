#pragma once
#include "model/Circuit.h"
#include "model/WireLevel.h"

namespace sim {

// The level of every wire slot as a settle pass leaves it: that of the output
// whose walk reaches the wire, through the same junctions a delivery follows, and
// of the one delivered last where several do; None for a wire no output reaches.
WireLevels wireLevels(const CCircuit& circuit);

}  // namespace sim
