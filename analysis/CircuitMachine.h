#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Circuit.h"
#include "sim/Simulator.h"

namespace analysis {

// What one clock of a circuit's automaton is.
enum class StepKind {
    None,        // nothing clocks it: the inputs alone move its gate latches
    ClockPulse,  // the clock signal goes to 1 and settles, then to 0 and settles
    Generators,  // the generators tick as many times as their periods' least common multiple
};

// Everything that changes while a circuit runs: the pins' levels, the triggers'
// latches and the generators' counters. Wires hold no levels.
struct CircuitLevels {
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> counters;
};

// A copy of a circuit run by the program's own settle and generator ticks, as
// the window runs it, with the inputs, the state variables and the outputs of
// its automaton named in reading order.
class CCircuitMachine {
  public:
    // Generator steps longer than this many ticks are refused: a step is a few
    // seconds of the window's clock, not hours.
    static constexpr uint64_t kMaxStepTicks = 1u << 16;

    // `clockOrdinal` (from 1) names the clock signal among the input signals in
    // reading order; 0 lets the machine find the one that reaches a trigger's clock.
    CCircuitMachine(const CCircuit& circuit, int clockOrdinal);
    CCircuitMachine(const CCircuitMachine&) = delete;
    CCircuitMachine& operator=(const CCircuitMachine&) = delete;
    ~CCircuitMachine();

    // Why the machine cannot run (in Russian), or nothing.
    const std::optional<std::string>& error() const { return error_; }

    const std::vector<std::string>& inputNames() const { return inputNames_; }
    const std::vector<std::string>& variableNames() const { return variableNames_; }
    size_t outputCount() const { return indicators_.size(); }
    size_t triggerCount() const { return triggerCount_; }
    StepKind stepKind() const { return stepKind_; }
    uint64_t stepTicks() const { return stepTicks_; }
    // The clock signal's place among the input signals in reading order, from 1; 0 for none.
    int clockOrdinal() const { return clockOrdinal_; }

    // The power-on command: signals reset, triggers keep their state, settle.
    void switchPowerOn();
    // Sets the triggers' Q to the bits of `combination` (the first trigger the most
    // significant) as Ctrl+click does, flipping both outputs of those that differ, and settles.
    void setTriggers(uint32_t combination);
    // Every input signal to its bit at once (X1 the most significant), then settle.
    void applyInputs(uint32_t inputs);
    // One clock of the automaton; returns the generator ticks or settles it took.
    uint64_t step();

    // Each indicator's number, in reading order.
    std::vector<uint8_t> outputs() const;
    // The state variables' bits, first variable first, e.g. "0110".
    std::string state() const;
    // Settles that stopped at their pass bound since the machine was made.
    uint64_t unsettled() const { return unsettled_; }

    CircuitLevels levels() const;
    void restore(const CircuitLevels& levels);

  private:
    void settle();
    void findClock(int clockOrdinal, const std::vector<int32_t>& signals);

    CCircuit copy_;
    std::unique_ptr<sim::CSimulator> simulator_;
    std::optional<std::string> error_;
    std::vector<std::string> inputNames_;
    std::vector<std::string> variableNames_;
    std::vector<int32_t> inputs_;         // block slots of the input signals but the clock
    std::vector<int32_t> triggers_;       // block slots, reading order
    std::vector<int32_t> stateGates_;     // logic slots of the gates on loops, reading order
    std::vector<int32_t> indicators_;     // logic slots, reading order
    std::optional<int32_t> clockSignal_;  // block slot
    int clockOrdinal_ = 0;
    size_t triggerCount_ = 0;
    StepKind stepKind_ = StepKind::None;
    uint64_t stepTicks_ = 0;
    uint64_t unsettled_ = 0;
};

}  // namespace analysis
