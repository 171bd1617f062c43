#pragma once
#include <cstdint>
#include <vector>

// The level a wire carries: that of the output that drives it, or none for a wire
// that no output reaches. Wires hold no level of their own; this is worked out
// from the outputs when the wires are to be coloured by it.
enum class WireLevel : uint8_t { None, Low, High };

// By wire slot; empty when the wires are not coloured.
using WireLevels = std::vector<WireLevel>;
