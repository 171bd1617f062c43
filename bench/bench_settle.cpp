// The simulation on the largest circuits the tables hold: power-on to steady state,
// and one tick of the generator clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/FullTables.h"
#include "model/Circuit.h"
#include "sim/Simulation.h"
#include "sim/Simulator.h"

namespace {

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
