#pragma once
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

// Logic levels live only in the pins. Outputs reach inputs by walking wires and
// their junctions; settle repeats delivery and evaluation until nothing changes.
namespace sim {

// A circuit that never settles (a loop with an odd number of inversions) stops
// after this many passes with the levels of the last pass.
constexpr int kSettlePassLimit = 1024;

// Recomputes a gate, trigger or summer from its input pins; true when an output changed.
bool evaluateElement(CCircuit& circuit, ElementKind kind, int32_t slot);
// Every block element, then every logic element, slots upward; true when any output changed.
bool evaluateAll(CCircuit& circuit);
// Writes the level into every input pin the wire reaches, through junctions, depth
// first; `visited` holds the wires already walked for this output.
void propagate(CCircuit& circuit, int32_t wireSlot, std::vector<int32_t>& visited, uint8_t level);

struct SettleResult {
    int passes = 0;
    bool settled = true;  // false when the pass limit stopped it
};
// Delivers and evaluates until no output changes. The caller then repaints the
// work area without erasing. (CSimulator in Simulator.h does the same for a
// circuit that settles again and again, keeping what it worked out of the wiring.)
SettleResult settle(CCircuit& circuit);

// Clears input levels and generator counters for power switching; trigger,
// summer and input-signal outputs keep their values.
void resetSignals(CCircuit& circuit);

// Every trigger to Q = 0 with its latches cleared (the clock seen at 1 is
// forgotten), every generator to the start of its period with its output at 0;
// the caller then settles.
void resetTriggers(CCircuit& circuit);

// What the power-on command does to the circuit: reset, then settle.
SettleResult switchPowerOn(CCircuit& circuit);
// Every generator ticks once, slots upward; true when any of them reached a switching point.
bool tickGenerators(CCircuit& circuit);
// One tick of the 100 ms generator clock: the generators tick and the circuit
// settles when any of them reached a switching point. True when it settled.
bool clockTick(CCircuit& circuit);

}  // namespace sim
