#include "analysis/Automaton.h"

#include <algorithm>
#include <map>

namespace analysis {

AutomatonKind automatonKind(const Automaton& automaton) {
    if (automaton.variableNames.empty() && automaton.stateCount() <= 1)
        return AutomatonKind::Combinational;
    for (size_t s = 0; s < automaton.stateCount(); ++s)
        for (uint32_t v = 1; v < automaton.vectors(); ++v)
            if (!std::equal(automaton.output(s, v), automaton.output(s, v) + automaton.outputCount,
                            automaton.output(s, 0)))
                return AutomatonKind::Mealy;
    return AutomatonKind::Moore;
}

namespace {

// Numbers the distinct signatures in the order of the first state that has each.
template <typename Signature>
std::vector<uint32_t> numberClasses(size_t states, const Signature& signature) {
    using Key = decltype(signature(size_t{0}));
    std::map<Key, uint32_t> numbers;
    std::vector<uint32_t> classes(states);
    for (size_t s = 0; s < states; ++s)
        classes[s] =
            numbers.emplace(signature(s), static_cast<uint32_t>(numbers.size())).first->second;
    return classes;
}

}  // namespace

std::vector<uint32_t> equivalenceClasses(const Automaton& a) {
    const size_t rowLength = size_t{a.vectors()} * a.outputCount;
    // First by what each state shows for every input, then split by the classes
    // the inputs lead to, until no class splits.
    std::vector<uint32_t> classes = numberClasses(a.stateCount(), [&](size_t s) {
        return std::vector<uint8_t>(
            a.outputs.begin() + static_cast<std::ptrdiff_t>(s * rowLength),
            a.outputs.begin() + static_cast<std::ptrdiff_t>((s + 1) * rowLength));
    });
    for (;;) {
        std::vector<uint32_t> refined = numberClasses(a.stateCount(), [&](size_t s) {
            std::vector<uint32_t> signature{classes[s]};
            for (uint32_t v = 0; v < a.vectors(); ++v)
                signature.push_back(classes[a.nextState(s, v)]);
            return signature;
        });
        const uint32_t before = *std::max_element(classes.begin(), classes.end());
        const uint32_t after = *std::max_element(refined.begin(), refined.end());
        classes = std::move(refined);
        if (after == before) return classes;
    }
}

size_t minimalStateCount(const Automaton& automaton) {
    if (automaton.stateCount() == 0) return 0;
    const std::vector<uint32_t> classes = equivalenceClasses(automaton);
    return size_t{*std::max_element(classes.begin(), classes.end())} + 1;
}

std::string inputBits(uint32_t vector, size_t inputCount) {
    std::string bits;
    for (size_t i = 0; i < inputCount; ++i)
        bits += ((vector >> (inputCount - 1 - i)) & 1u) ? '1' : '0';
    return bits;
}

}  // namespace analysis
