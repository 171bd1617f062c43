// The simulation on the largest circuits the tables hold: power-on to steady state,
// and one tick of the generator clock.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/FullTables.h"
#include "model/Circuit.h"
#include "sim/Simulation.h"

namespace {

using bench::buildFullChain;
using bench::buildGeneratorChain;
using bench::TableFiller;

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

void BM_GeneratorTickOver127Generators(benchmark::State& state) {
    CCircuit circuit;
    TableFiller fill(circuit);
    buildGeneratorChain(circuit, fill);
    if (!fill.tablesFull()) state.SkipWithError("the tables are not full");
    sim::switchPowerOn(circuit);
    int settled = 0;
    for (auto _ : state) {
        if (sim::clockTick(circuit)) ++settled;
    }
    if (settled != static_cast<int>(state.iterations()))
        state.SkipWithError("a tick passed without a switching point");
}
BENCHMARK(BM_GeneratorTickOver127Generators)->Unit(benchmark::kMicrosecond);

}  // namespace
