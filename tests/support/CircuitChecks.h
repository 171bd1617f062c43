#pragma once
#include <optional>
#include <string>
#include <vector>

#include "model/Circuit.h"

// Every way in which the circuit's records fail to name each other soundly: a slot
// whose record has another index, a connected pin whose wire end does not name it
// back, an end on a pin that is absent, unconnected or names another end, a
// junction whose partner does not name it back, a reference to an empty slot or
// past a list. Empty when the circuit is sound. End 0 of the wire being drawn
// names its start pin before that pin is linked (at the finish), so that one end
// may name an unconnected pin.
std::vector<std::string> circuitLinkViolations(const CCircuit& circuit,
                                               std::optional<int32_t> wireInProgress = {});
