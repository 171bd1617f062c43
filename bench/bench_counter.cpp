// The generator clock driving a 22-bit ripple counter of JK triggers, one tick per
// iteration, with one settle plan for the whole run: what a long run of
// lotra-sim --ticks spends its time on.
#include <benchmark/benchmark.h>

#include "bench/RippleCounter.h"
#include "sim/Simulator.h"

namespace {

constexpr int kBits = 22;

void runTicks(benchmark::State& state, const GeneratorParams& clock) {
    CCircuit circuit;
    buildRippleCounter(circuit, kBits, clock);
    sim::CSimulator simulator(circuit, sim::CSimulator::Wiring::Fixed);
    simulator.switchPowerOn();
    int64_t settles = 0;
    for (auto _ : state) {
        if (simulator.clockTick()) ++settles;
    }
    state.counters["ticks/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["settles"] = static_cast<double>(settles);
}

void BM_RippleCounter22TwoTickClock(benchmark::State& state) {
    runTicks(state, kTwoTickClock);
}
BENCHMARK(BM_RippleCounter22TwoTickClock);

void BM_RippleCounter22Counting(benchmark::State& state) {
    runTicks(state, kCountingClock);
}
BENCHMARK(BM_RippleCounter22Counting);

}  // namespace
