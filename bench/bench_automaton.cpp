// The automaton of a circuit of six triggers and four inputs (64 states, 16 input
// vectors each), and a class of thirty such circuits checked against it.
#include <benchmark/benchmark.h>

#include "analysis/Automaton.h"
#include "analysis/AutomatonComparison.h"
#include "bench/AutomatonCircuit.h"

namespace {

void buildAutomaton(benchmark::State& state) {
    CCircuit circuit;
    buildSixTriggerCircuit(circuit);
    std::string error;
    size_t states = 0;
    for (auto _ : state) {
        const auto automaton = analysis::circuitAutomaton(circuit, {}, error);
        states = automaton ? automaton->automaton.stateCount() : 0;
        benchmark::DoNotOptimize(states);
    }
    state.counters["states"] = static_cast<double>(states);
}
BENCHMARK(buildAutomaton)->Unit(benchmark::kMillisecond);

// Each student's circuit is read afresh, its automaton built and compared.
void checkClass(benchmark::State& state) {
    CCircuit circuit;
    buildSixTriggerCircuit(circuit);
    std::string error;
    const analysis::Automaton reference = analysis::circuitAutomaton(circuit, {}, error)->automaton;
    int matching = 0;
    for (auto _ : state) {
        matching = 0;
        for (int student = 0; student < 30; ++student) {
            const auto automaton = analysis::circuitAutomaton(circuit, {}, error);
            matching += analysis::automatonVerdict(reference, automaton->automaton, false).matches;
        }
        benchmark::DoNotOptimize(matching);
    }
    state.counters["matching"] = matching;
}
BENCHMARK(checkClass)->Unit(benchmark::kMillisecond);

}  // namespace
