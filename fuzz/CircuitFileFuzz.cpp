// Arbitrary bytes through the circuit reader: whatever it leaves must have sound
// links, survive power-on and generator ticks, and write the same bytes after a
// second reading.
#include <cstdio>
#include <cstdlib>

#include "io/CircuitFile.h"
#include "sim/Generator.h"
#include "sim/Simulation.h"
#include "support/CircuitChecks.h"

namespace {

void requireSound(const CCircuit& circuit, const char* stage) {
    const std::vector<std::string> violations = circuitLinkViolations(circuit);
    if (violations.empty()) return;
    std::fprintf(stderr, "%s: %s\n", stage, violations.front().c_str());
    std::abort();
}

void exerciseGenerators(CCircuit& circuit) {
    for (const auto& element : circuit.blockElements) {
        if (!element || kindInfo(element->kind).outputRule != OutputRule::Clock) continue;
        const GeneratorParams shown = sim::fromTicks(*element);
        if (shown.duty != shown.duty) std::abort();  // NaN would reach the dialog
    }
    for (int tick = 0; tick < 3; ++tick) sim::clockTick(circuit);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CCircuit circuit;
    io::decodeCircuit({data, size}, circuit);
    requireSound(circuit, "after reading");

    sim::switchPowerOn(circuit);
    exerciseGenerators(circuit);
    requireSound(circuit, "after settling");

    const std::vector<uint8_t> first = io::encodeCircuit(circuit);
    CCircuit again;
    io::decodeCircuit(first, again);
    requireSound(again, "after reading back");
    if (io::encodeCircuit(again) != first) {
        std::fprintf(stderr, "a circuit read back writes other bytes\n");
        std::abort();
    }
    return 0;
}
