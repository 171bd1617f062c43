// Every minimal DNF and CNF of a function of 12 inputs: the work the window does for
// each output of a 12-input combinational circuit.
#include <benchmark/benchmark.h>

#include <bit>
#include <functional>
#include <random>

#include "analysis/Minimiser.h"

namespace {

using analysis::BooleanFunction;

BooleanFunction functionOf(const std::function<bool(uint32_t)>& rule) {
    constexpr int kInputs = 12;
    std::vector<bool> table(size_t{1} << kInputs);
    for (uint32_t row = 0; row < table.size(); ++row) table[row] = rule(row);
    return *BooleanFunction::fromTable(analysis::defaultVariableNames(kInputs), table);
}

void minimise(benchmark::State& state, const BooleanFunction& function) {
    analysis::Minimisation forms;
    for (auto _ : state) {
        forms = analysis::minimise(function);
        benchmark::DoNotOptimize(forms);
    }
    state.counters["dnf_terms"] = static_cast<double>(forms.dnf.forms.front().terms.size());
    state.counters["cnf_terms"] = static_cast<double>(forms.cnf.forms.front().terms.size());
    state.counters["minimal"] = forms.dnf.minimal && forms.cnf.minimal ? 1 : 0;
}

// Half the rows 1 at random, the seed the benchmark's argument: the worst case, where
// the search reaches its bound.
void BM_MinimiseRandomDense12(benchmark::State& state) {
    std::mt19937 random(static_cast<uint32_t>(state.range(0)));
    std::bernoulli_distribution one(0.5);
    minimise(state, functionOf([&](uint32_t) { return one(random); }));
}
BENCHMARK(BM_MinimiseRandomDense12)->DenseRange(1, 10)->Unit(benchmark::kMillisecond);

// 2048 terms of 12 literals each way, all of them essential.
void BM_MinimiseParity12(benchmark::State& state) {
    minimise(state, functionOf([](uint32_t row) { return std::popcount(row) % 2 == 1; }));
}
BENCHMARK(BM_MinimiseParity12)->Unit(benchmark::kMillisecond);

// The carry out of two 6-bit numbers: a structured function as circuits give them.
void BM_MinimiseCarryOf6BitAdder(benchmark::State& state) {
    minimise(state, functionOf([](uint32_t row) { return (row >> 6) + (row & 63) > 63; }));
}
BENCHMARK(BM_MinimiseCarryOf6BitAdder)->Unit(benchmark::kMillisecond);

}  // namespace
