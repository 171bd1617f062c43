// The simulation on the largest circuits the tables hold: power-on to steady state,
// and one tick of the generator clock.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "analysis/TimingRecording.h"
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

// The generator chain powered on, with the window's recording of levels already
// keeping the last 100,000 columns, as a long run does.
struct RecordedChain {
    CCircuit circuit;
    sim::CSimulator simulator{circuit};
    analysis::CTimingRecording recording;

    RecordedChain() {
        TableFiller fill(circuit);
        buildGeneratorChain(circuit, fill);
        simulator.switchPowerOn();
        recording.startAtPowerOn(circuit);
        for (uint64_t n = 0; n < analysis::CTimingRecording::kKeptColumns; ++n)
            recording.recordTick(circuit);
    }
};

// The same tick with the recording taking its column.
void BM_GeneratorTickOver127GeneratorsRecorded(benchmark::State& state) {
    RecordedChain chain;
    auto& [circuit, simulator, recording] = chain;
    for (auto _ : state) {
        simulator.clockTick();
        recording.recordTick(circuit);
    }
    state.counters["MB"] = static_cast<double>(recording.bytesUsed()) / 1e6;
}
BENCHMARK(BM_GeneratorTickOver127GeneratorsRecorded)->Unit(benchmark::kMicrosecond);

// The column alone, timed right after each tick, with the caches as the tick left
// them; "share" is the column's time over the tick's, both timed in the same
// iterations, so that a machine that slows down for a while slows both alike.
void BM_RecordColumnAfterEachTick(benchmark::State& state) {
    RecordedChain chain;
    auto& [circuit, simulator, recording] = chain;
    using Clock = std::chrono::steady_clock;
    double tickSeconds = 0;
    double columnSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        simulator.clockTick();
        const auto ticked = Clock::now();
        recording.recordTick(circuit);
        const auto recorded = Clock::now();
        const double column = std::chrono::duration<double>(recorded - ticked).count();
        tickSeconds += std::chrono::duration<double>(ticked - start).count();
        columnSeconds += column;
        state.SetIterationTime(column);
    }
    state.counters["share_%"] = tickSeconds > 0 ? 100 * columnSeconds / tickSeconds : 0;
}
BENCHMARK(BM_RecordColumnAfterEachTick)->UseManualTime()->Unit(benchmark::kMicrosecond);

// The column alone, on the same tables.
void BM_RecordColumnOfFullTables(benchmark::State& state) {
    CCircuit circuit;
    TableFiller fill(circuit);
    buildGeneratorChain(circuit, fill);
    sim::switchPowerOn(circuit);
    analysis::CTimingRecording recording;
    recording.startAtPowerOn(circuit);
    for (auto _ : state) recording.recordTick(circuit);
}
BENCHMARK(BM_RecordColumnOfFullTables)->Unit(benchmark::kMicrosecond);

}  // namespace
