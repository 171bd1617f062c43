#include <deque>
#include <string>
#include <unordered_map>

#include "analysis/Automaton.h"
#include "analysis/AutomatonTexts.h"
#include "analysis/CircuitMachine.h"
#include "analysis/TextFill.h"
#include "analysis/WorkBudget.h"

namespace analysis {
namespace {

// Ticks and settles an exploration may spend: a few seconds at most.
constexpr uint64_t kExplorationWork = uint64_t{1} << 24;

std::string stepText(const CCircuitMachine& machine) {
    switch (machine.stepKind()) {
        case StepKind::ClockPulse:
            return fillPattern(texts::kStepPulse, {std::to_string(machine.clockOrdinal())});
        case StepKind::Generators:
            return fillPattern(texts::kStepGenerators, {std::to_string(machine.stepTicks())});
        case StepKind::None:
            break;
    }
    return texts::kStepNone;
}

// Breadth first from the starts, keeping the levels each state was first met with.
class CExploration {
  public:
    explicit CExploration(CCircuitMachine& machine) : machine_(machine), work_(kExplorationWork) {
        automaton_.inputNames = machine.inputNames();
        automaton_.variableNames = machine.variableNames();
        automaton_.outputCount = machine.outputCount();
    }

    // The state the machine is in now, numbered when new; nothing past the limit.
    std::optional<uint32_t> meet() {
        std::string bits = machine_.state();
        const auto [at, added] = numbers_.emplace(bits, static_cast<uint32_t>(levels_.size()));
        if (added) {
            if (levels_.size() >= kMaxAutomatonStates) return std::nullopt;
            levels_.push_back(machine_.levels());
            automaton_.states.push_back(std::move(bits));
            pending_.push_back(at->second);
        }
        return at->second;
    }

    bool explore(std::string& error) {
        const uint32_t vectors = automaton_.vectors();
        while (!pending_.empty()) {
            const uint32_t state = pending_.front();
            pending_.pop_front();
            automaton_.next.resize(levels_.size() * vectors);
            automaton_.outputs.resize(levels_.size() * vectors * automaton_.outputCount);
            for (uint32_t v = 0; v < vectors; ++v) {
                machine_.restore(levels_[state]);
                machine_.applyInputs(v);
                const std::vector<uint8_t> shown = machine_.outputs();
                std::copy(
                    shown.begin(), shown.end(),
                    automaton_.outputs.begin() +
                        static_cast<std::ptrdiff_t>((size_t{state} * vectors + v) * shown.size()));
                if (!work_.spend(1 + machine_.step())) {
                    error = texts::kTooLong;
                    return false;
                }
                const std::optional<uint32_t> next = meet();
                if (!next) {
                    error =
                        fillPattern(texts::kTooManyStates, {std::to_string(kMaxAutomatonStates)});
                    return false;
                }
                automaton_.next[size_t{state} * vectors + v] = *next;
            }
        }
        automaton_.next.resize(levels_.size() * vectors);
        automaton_.outputs.resize(levels_.size() * vectors * automaton_.outputCount);
        return true;
    }

    Automaton& automaton() { return automaton_; }

  private:
    CCircuitMachine& machine_;
    WorkBudget work_;
    Automaton automaton_;
    std::unordered_map<std::string, uint32_t> numbers_;
    std::vector<CircuitLevels> levels_;
    std::deque<uint32_t> pending_;
};

}  // namespace

std::optional<CircuitAutomaton> circuitAutomaton(const CCircuit& circuit,
                                                 const AutomatonOptions& options,
                                                 std::string& error) {
    CCircuitMachine machine(circuit, options.clockOrdinal);
    if (machine.error()) {
        error = *machine.error();
        return std::nullopt;
    }
    if (machine.inputNames().size() > kMaxAutomatonInputs) {
        error = fillPattern(texts::kTooManyInputs, {std::to_string(machine.inputNames().size()),
                                                    std::to_string(kMaxAutomatonInputs)});
        return std::nullopt;
    }
    machine.switchPowerOn();
    const CircuitLevels powerOn = machine.levels();
    CExploration exploration(machine);
    std::optional<uint32_t> start = exploration.meet();
    // The full table: every combination of the triggers' Q, as Ctrl+click sets it.
    const bool fits = machine.triggerCount() < 13;  // 2^13 starts would pass the state limit
    const uint32_t combinations =
        options.allStates ? (fits ? uint32_t{1} << machine.triggerCount() : kMaxAutomatonStates + 1)
                          : 0;
    for (uint32_t c = 0; c < combinations && start; ++c) {
        machine.restore(powerOn);
        machine.setTriggers(c);
        if (!exploration.meet()) start.reset();
    }
    if (!start) {
        error = fillPattern(texts::kTooManyStates, {std::to_string(kMaxAutomatonStates)});
        return std::nullopt;
    }
    if (!exploration.explore(error)) return std::nullopt;
    CircuitAutomaton result;
    result.automaton = std::move(exploration.automaton());
    result.automaton.initial = *start;
    result.kind = automatonKind(result.automaton);
    result.minimalStates = minimalStateCount(result.automaton);
    result.step = stepText(machine);
    result.unsettled = machine.unsettled();
    result.clockIgnored = options.clockOrdinal > 0 && machine.stepKind() == StepKind::Generators;
    return result;
}

}  // namespace analysis
