#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "analysis/Automaton.h"

namespace analysis {

// The shortest input sequence after which two automata show different numbers.
struct AutomatonDifference {
    std::vector<uint32_t> inputs;  // one vector per clock; the last one shows the difference
    size_t indicator = 0;          // the first indicator, in reading order, that differs
    uint8_t shown = 0;             // by the checked automaton
    uint8_t expected = 0;          // by the reference
};

enum class AutomatonMatch {
    Same,          // every input sequence gives the same outputs from both starts
    SameButStart,  // the same minimal automaton, started in another state
    Differs,
};

struct AutomatonComparison {
    AutomatonMatch match = AutomatonMatch::Same;
    std::optional<AutomatonDifference> difference;  // unless Same
};

// Walks both automata side by side, breadth first, input vectors in binary order.
// Both have the same number of inputs and of indicators.
AutomatonComparison compareAutomata(const Automaton& reference, const Automaton& checked);

// "такт 3, входы 1, 0, 1: индикатор показывает 02, ожидалось 03".
std::string differenceText(const AutomatonDifference& difference, size_t inputCount,
                           size_t outputCount);

// A verdict as a teacher reads it: whether it counts as a match, the verdict, and
// its details (the difference, or why the two cannot be compared; may be empty).
struct AutomatonVerdict {
    bool matches = false;
    std::string verdict;
    std::string details;
};

// The verdict on `checked` against `reference`; another start counts as a match
// only when `anyStart`.
AutomatonVerdict automatonVerdict(const Automaton& reference, const Automaton& checked,
                                  bool anyStart);

// An indicator's number as the program prints it: two digits, e.g. "05".
std::string twoDigits(int number);

}  // namespace analysis
