// The work the window "Функции схемы" does when it opens: every function of the
// circuit computed by its settle and minimised.
#include <benchmark/benchmark.h>

#include "analysis/CircuitFunctions.h"
#include "bench/RippleCounter.h"
#include "bench/TableFiller.h"

namespace {

// A six-bit adder of summers: inputs a0 b0 a1 b1 ... (12 of them), the sums and the
// last carry on two indicators, 7 functions of 12 variables.
void buildAdder(CCircuit& circuit) {
    const int32_t sums = 0;
    const int32_t high = 1;
    for (const int32_t slot : {sums, high}) {
        circuit.logicElements[slot] = std::make_unique<CLogicElement>(Indicator);
        circuit.logicElements[slot]->index = slot;
        circuit.logicElements[slot]->setPosition(1000, 100 * slot);
    }
    TableFiller fill(circuit);
    int32_t carry = -1;
    for (int bit = 0; bit < 6; ++bit) {
        const int32_t a = fill.block(EntrSignal);
        const int32_t b = fill.block(EntrSignal);
        const int32_t summer = fill.block(Summer);
        fill.wire(Attach::toPin(EntrSignal, a, kOutputPin),
                  Attach::toPin(Summer, summer, kSummerA));
        fill.wire(Attach::toPin(EntrSignal, b, kOutputPin),
                  Attach::toPin(Summer, summer, kSummerB));
        if (carry >= 0)
            fill.wire(Attach::toPin(Summer, carry, kSummerCarryOut),
                      Attach::toPin(Summer, summer, kSummerCarryIn));
        const bool first = bit < 5;
        fill.wire(Attach::toPin(Summer, summer, kSummerSum),
                  Attach::toPin(Indicator, first ? sums : high, first ? bit : 0));
        carry = summer;
    }
    fill.wire(Attach::toPin(Summer, carry, kSummerCarryOut), Attach::toPin(Indicator, high, 1));
}

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
    buildAdder(circuit);
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
