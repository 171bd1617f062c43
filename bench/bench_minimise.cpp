// Every minimal DNF and CNF of a function: the work the window does for each output
// of a combinational circuit, up to 12 inputs.
#include <benchmark/benchmark.h>

#include <array>
#include <bit>
#include <functional>
#include <random>

#include "analysis/Minimiser.h"

namespace {

using analysis::BooleanFunction;

constexpr int kInputs = 12;

BooleanFunction functionOf(int inputs, const std::function<bool(uint32_t)>& rule) {
    std::vector<bool> table(size_t{1} << inputs);
    for (uint32_t row = 0; row < table.size(); ++row) table[row] = rule(row);
    return *BooleanFunction::fromTable(analysis::defaultVariableNames(inputs), table);
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

// The seed of the benchmark's argument; a third of the rows 1, half or two thirds by
// turns, so that a form's terms are few, middling or many.
void minimiseRandom(benchmark::State& state, int inputs) {
    constexpr std::array<double, 3> kShares{0.3, 0.5, 0.7};
    const auto seed = static_cast<uint32_t>(state.range(0));
    std::mt19937 random(seed);
    std::bernoulli_distribution one(kShares[seed % kShares.size()]);
    minimise(state, functionOf(inputs, [&](uint32_t) { return one(random); }));
}

void BM_MinimiseRandom8(benchmark::State& state) {
    minimiseRandom(state, 8);
}
BENCHMARK(BM_MinimiseRandom8)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

void BM_MinimiseRandom10(benchmark::State& state) {
    minimiseRandom(state, 10);
}
BENCHMARK(BM_MinimiseRandom10)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

void BM_MinimiseRandom12(benchmark::State& state) {
    minimiseRandom(state, kInputs);
}
BENCHMARK(BM_MinimiseRandom12)->DenseRange(1, 9)->Unit(benchmark::kMillisecond);

// Half the rows 1 at random, the seed the benchmark's argument: no form of these is
// proven minimal.
void BM_MinimiseRandomDense12(benchmark::State& state) {
    std::mt19937 random(static_cast<uint32_t>(state.range(0)));
    std::bernoulli_distribution one(0.5);
    minimise(state, functionOf(kInputs, [&](uint32_t) { return one(random); }));
}
BENCHMARK(BM_MinimiseRandomDense12)->DenseRange(1, 10)->Unit(benchmark::kMillisecond);

// 2048 terms of 12 literals each way, all of them essential.
void BM_MinimiseParity12(benchmark::State& state) {
    minimise(state, functionOf(kInputs, [](uint32_t row) { return std::popcount(row) % 2 == 1; }));
}
BENCHMARK(BM_MinimiseParity12)->Unit(benchmark::kMillisecond);

// The carry out of two 6-bit numbers: a structured function as circuits give them.
void BM_MinimiseCarryOf6BitAdder(benchmark::State& state) {
    minimise(state, functionOf(kInputs, [](uint32_t row) { return (row >> 6) + (row & 63) > 63; }));
}
BENCHMARK(BM_MinimiseCarryOf6BitAdder)->Unit(benchmark::kMillisecond);

}  // namespace
