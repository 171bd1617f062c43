// The simulation on the largest circuits the tables hold: power-on to steady state,
// and one tick of the generator clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/TableFiller.h"
#include "model/Circuit.h"
#include "sim/Simulation.h"
#include "sim/Simulator.h"

namespace {

// An input signal at 1 feeding 255 inverters in one chain. The other 126 block
// slots hold a ripple-carry adder of 63 summers and 63 JK triggers clocked by its
// sums, all fed by branches off the chain; the rest of the wire table is dangling
// branches on the chain's nets.
void buildFullChain(CCircuit& circuit, TableFiller& fill) {
    const int32_t source = fill.block(EntrSignal);
    circuit.blockElements[source]->pins[kOutputPin].value = 1;
    std::vector<int32_t> chain;
    Attach previous = Attach::toPin(EntrSignal, source, 9);
    for (int i = 0; i < CCircuit::kLogicSlots; ++i) {
        const int32_t gate = fill.gate(false, 1, true);
        chain.push_back(fill.wire(previous, Attach::toPin(LogicElement, gate, 2)));
        previous = Attach::toPin(LogicElement, gate, 9);
    }
    auto tap = [&](size_t n) { return Attach::onto(chain[(n * 37) % chain.size()]); };
    constexpr int kPairs = (CCircuit::kBlockSlots - 1) / 2;
    std::vector<int32_t> summers;
    for (int i = 0; i < kPairs; ++i) {
        const int32_t summer = fill.block(Summer);
        fill.wire(tap(4 * i), Attach::toPin(Summer, summer, 0));
        fill.wire(tap(4 * i + 1), Attach::toPin(Summer, summer, 6));
        const Attach carry =
            summers.empty() ? tap(4 * i + 2) : Attach::toPin(Summer, summers.back(), 10);
        fill.wire(carry, Attach::toPin(Summer, summer, 3));
        summers.push_back(summer);
    }
    fill.wire(Attach::toPin(Summer, summers.back(), 10), Attach::nowhere());
    for (int i = 0; i < kPairs; ++i) {
        const int32_t trigger = fill.block(Trigger);
        fill.wire(tap(4 * i + 3), Attach::toPin(Trigger, trigger, 0));
        fill.wire(tap(4 * i + 5), Attach::toPin(Trigger, trigger, 6));
        fill.wire(Attach::toPin(Summer, summers[i], 9), Attach::toPin(Trigger, trigger, 3));
        fill.wire(Attach::toPin(Trigger, trigger, 9), Attach::nowhere());
        fill.wire(Attach::toPin(Trigger, trigger, 10), Attach::nowhere());
    }
    fill.fillWiresWithBranches(chain);
}

// 127 generators (10 ticks, pulse 5, delays 0 to 9) into a chain of 255 two-input
// AND gates: gate i takes generator i / 2 and gate i - 1. Some generator reaches a
// switching point on every tick, so every tick settles the chain.
void buildGeneratorChain(CCircuit& circuit, TableFiller& fill) {
    std::vector<int32_t> generatorNets;
    for (int g = 0; g < CCircuit::kBlockSlots; ++g) {
        const int32_t generator = fill.block(GTI);
        circuit.blockElements[generator]->setupGenerator(10, 5, static_cast<uint32_t>(g % 10));
    }
    std::vector<int32_t> nets;
    int32_t previous = -1;
    for (int i = 0; i < CCircuit::kLogicSlots; ++i) {
        const int32_t gate = fill.gate(true, 2, false);
        const int32_t generator = std::min(i / 2, CCircuit::kBlockSlots - 1);
        const Attach input = Attach::toPin(LogicElement, gate, 0);
        if (generator < static_cast<int32_t>(generatorNets.size())) {
            nets.push_back(fill.wire(Attach::onto(generatorNets[generator]), input));
        } else {
            generatorNets.push_back(fill.wire(Attach::toPin(GTI, generator, 9), input));
            nets.push_back(generatorNets.back());
        }
        if (previous >= 0)
            nets.push_back(fill.wire(Attach::toPin(LogicElement, previous, 9),
                                     Attach::toPin(LogicElement, gate, 4)));
        previous = gate;
    }
    fill.fillWiresWithBranches(nets);
}

// From the tables each time, as a one-off settle does.
void BM_SettleFullChainFromPowerOn(benchmark::State& state) {
    CCircuit circuit;
    TableFiller fill(circuit);
    buildFullChain(circuit, fill);
    if (!fill.tablesFull()) state.SkipWithError("the tables are not full");
    sim::SettleResult result;
    for (auto _ : state) {
        result = sim::switchPowerOn(circuit);
        benchmark::DoNotOptimize(result);
    }
    if (!result.settled) state.SkipWithError("the chain did not settle");
    state.counters["passes"] = result.passes;
}
BENCHMARK(BM_SettleFullChainFromPowerOn)->Unit(benchmark::kMicrosecond);

// As the editor's power-on command does, with the settle plan kept while the
// wiring stays the same.
void BM_SettleFullChainFromPowerOnKeptPlan(benchmark::State& state) {
    CCircuit circuit;
    TableFiller fill(circuit);
    buildFullChain(circuit, fill);
    sim::CSimulator simulator(circuit);
    sim::SettleResult result;
    for (auto _ : state) {
        result = simulator.switchPowerOn();
        benchmark::DoNotOptimize(result);
    }
    if (!result.settled) state.SkipWithError("the chain did not settle");
}
BENCHMARK(BM_SettleFullChainFromPowerOnKeptPlan)->Unit(benchmark::kMicrosecond);

// As the editor's generator clock does.
void BM_GeneratorTickOver127Generators(benchmark::State& state) {
    CCircuit circuit;
    TableFiller fill(circuit);
    buildGeneratorChain(circuit, fill);
    if (!fill.tablesFull()) state.SkipWithError("the tables are not full");
    sim::CSimulator simulator(circuit);
    simulator.switchPowerOn();
    int settled = 0;
    for (auto _ : state) {
        if (simulator.clockTick()) ++settled;
    }
    if (settled != static_cast<int>(state.iterations()))
        state.SkipWithError("a tick passed without a switching point");
}
BENCHMARK(BM_GeneratorTickOver127Generators)->Unit(benchmark::kMicrosecond);

}  // namespace
