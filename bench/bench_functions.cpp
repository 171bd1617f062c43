// The work the window "Функции схемы" does when it opens: every function of the
// circuit computed by its settle and minimised.
#include <benchmark/benchmark.h>

#include "analysis/CircuitFunctions.h"
#include "bench/RippleCounter.h"
#include "bench/SixBitAdder.h"

namespace {

void analyse(benchmark::State& state, const CCircuit& circuit) {
    size_t functions = 0;
    bool exact = true;
    for (auto _ : state) {
        std::string error;
        const auto computed = analysis::circuitFunctions(circuit, error);
        const auto analysed = analysis::minimiseAll(*computed);
        functions = analysed.size();
        exact = true;
        for (const auto& f : analysed) exact = exact && f.forms.dnf.minimal && f.forms.cnf.minimal;
        benchmark::DoNotOptimize(analysed);
    }
    state.counters["functions"] = static_cast<double>(functions);
    state.counters["exact"] = exact ? 1 : 0;
}

void BM_SixBitAdder(benchmark::State& state) {
    CCircuit circuit;
    buildSixBitAdder(circuit);
    analyse(state, circuit);
}
BENCHMARK(BM_SixBitAdder)->Unit(benchmark::kMillisecond);

// Four triggers of a ripple counter, its input signal and three more: 8 variables.
void BM_FourTriggersFourInputs(benchmark::State& state) {
    CCircuit circuit;
    buildRippleCounter(circuit, 4, kCountingClock);
    for (const int32_t slot : {10, 11, 12}) {
        circuit.blockElements[slot] = std::make_unique<CBlockElement>(EntrSignal);
        circuit.blockElements[slot]->index = slot;
    }
    analyse(state, circuit);
}
BENCHMARK(BM_FourTriggersFourInputs)->Unit(benchmark::kMillisecond);

}  // namespace
