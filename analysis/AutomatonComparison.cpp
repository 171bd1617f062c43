#include "analysis/AutomatonComparison.h"

#include <algorithm>
#include <deque>
#include <set>
#include <unordered_map>

#include "analysis/AutomatonTexts.h"
#include "analysis/TextFill.h"

namespace analysis {
namespace {

struct PairStep {
    uint32_t parent = 0;  // the pair it was reached from
    uint32_t input = 0;   // with that input vector
};

std::optional<AutomatonDifference> shortestDifference(const Automaton& reference,
                                                      const Automaton& checked) {
    const auto key = [](uint64_t r, uint64_t c) { return (r << 32) | c; };
    std::unordered_map<uint64_t, uint32_t> numbers;
    std::vector<std::pair<uint32_t, uint32_t>> pairs;
    std::vector<PairStep> steps;
    const auto reach = [&](uint32_t r, uint32_t c, PairStep step) {
        if (!numbers.emplace(key(r, c), static_cast<uint32_t>(pairs.size())).second) return;
        pairs.emplace_back(r, c);
        steps.push_back(step);
    };
    reach(static_cast<uint32_t>(reference.initial), static_cast<uint32_t>(checked.initial), {});
    // Pairs are numbered in the order they are met, so the list is the queue.
    for (uint32_t at = 0; at < pairs.size(); ++at) {
        const auto [r, c] = pairs[at];
        for (uint32_t v = 0; v < reference.vectors(); ++v) {
            const uint8_t* expected = reference.output(r, v);
            const uint8_t* shown = checked.output(c, v);
            const auto differs = std::mismatch(expected, expected + reference.outputCount, shown);
            if (differs.first != expected + reference.outputCount) {
                AutomatonDifference difference;
                difference.indicator = static_cast<size_t>(differs.first - expected);
                difference.expected = *differs.first;
                difference.shown = *differs.second;
                difference.inputs.push_back(v);
                for (uint32_t p = at; p != 0; p = steps[p].parent)
                    difference.inputs.push_back(steps[p].input);
                std::reverse(difference.inputs.begin(), difference.inputs.end());
                return difference;
            }
            reach(reference.nextState(r, v), checked.nextState(c, v), {at, v});
        }
    }
    return std::nullopt;
}

// The states reachable from the start.
std::vector<uint32_t> reachable(const Automaton& automaton) {
    std::vector<uint8_t> seen(automaton.stateCount(), 0);
    std::vector<uint32_t> found{static_cast<uint32_t>(automaton.initial)};
    seen[automaton.initial] = 1;
    for (size_t at = 0; at < found.size(); ++at)
        for (uint32_t v = 0; v < automaton.vectors(); ++v) {
            const uint32_t next = automaton.nextState(found[at], v);
            if (!seen[next]) found.push_back(next);
            seen[next] = 1;
        }
    return found;
}

// Both automata as one, the checked one's states after the reference's.
Automaton joined(const Automaton& reference, const Automaton& checked) {
    Automaton both = reference;
    const auto offset = static_cast<uint32_t>(reference.stateCount());
    both.states.insert(both.states.end(), checked.states.begin(), checked.states.end());
    for (const uint32_t next : checked.next) both.next.push_back(next + offset);
    both.outputs.insert(both.outputs.end(), checked.outputs.begin(), checked.outputs.end());
    return both;
}

// Whether the two reach the same classes of equivalent states: their minimal
// automata are then one, whatever states they start in.
bool sameMinimalAutomaton(const Automaton& reference, const Automaton& checked) {
    const std::vector<uint32_t> classes = equivalenceClasses(joined(reference, checked));
    std::set<uint32_t> ofReference;
    std::set<uint32_t> ofChecked;
    for (const uint32_t s : reachable(reference)) ofReference.insert(classes[s]);
    for (const uint32_t s : reachable(checked))
        ofChecked.insert(classes[s + reference.stateCount()]);
    return ofReference == ofChecked;
}

}  // namespace

AutomatonComparison compareAutomata(const Automaton& reference, const Automaton& checked) {
    AutomatonComparison comparison;
    comparison.difference = shortestDifference(reference, checked);
    if (!comparison.difference) return comparison;
    comparison.match = sameMinimalAutomaton(reference, checked) ? AutomatonMatch::SameButStart
                                                                : AutomatonMatch::Differs;
    return comparison;
}

std::string twoDigits(int number) {
    return std::string(number < 10 ? "0" : "") + std::to_string(number);
}

std::string differenceText(const AutomatonDifference& difference, size_t inputCount,
                           size_t outputCount) {
    std::string words =
        fillPattern(texts::kStepNumbered, {std::to_string(difference.inputs.size())});
    if (inputCount > 0) {
        std::string sequence;
        for (const uint32_t vector : difference.inputs)
            sequence += (sequence.empty() ? "" : ", ") + inputBits(vector, inputCount);
        words +=
            ", " + fillPattern(difference.inputs.size() == 1 ? texts::kOneInput : texts::kInputs,
                               {sequence});
    }
    const std::string which =
        outputCount == 1
            ? texts::kTheIndicator
            : fillPattern(texts::kIndicatorNumbered, {std::to_string(difference.indicator + 1)});
    return words + ": " +
           fillPattern(texts::kShowsExpected,
                       {which, twoDigits(difference.shown), twoDigits(difference.expected)});
}

AutomatonVerdict automatonVerdict(const Automaton& reference, const Automaton& checked,
                                  bool anyStart) {
    if (checked.inputNames.size() != reference.inputNames.size())
        return {false, texts::kIncomparable,
                fillPattern(texts::kOtherInputs, {std::to_string(checked.inputNames.size()),
                                                  std::to_string(reference.inputNames.size())})};
    if (checked.outputCount != reference.outputCount)
        return {false, texts::kIncomparable,
                fillPattern(texts::kOtherIndicators, {std::to_string(checked.outputCount),
                                                      std::to_string(reference.outputCount)})};
    const AutomatonComparison comparison = compareAutomata(reference, checked);
    if (comparison.match == AutomatonMatch::Same) return {true, texts::kMatches, ""};
    const std::string details =
        differenceText(*comparison.difference, reference.inputNames.size(), reference.outputCount);
    if (comparison.match == AutomatonMatch::SameButStart)
        return {anyStart, texts::kSameButStart, details};
    return {false, texts::kDiffers, details};
}

}  // namespace analysis
