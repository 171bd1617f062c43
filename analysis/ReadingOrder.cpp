#include "analysis/ReadingOrder.h"

#include <algorithm>
#include <tuple>

namespace analysis {
namespace {

template <typename Table, typename Chosen>
std::vector<int32_t> chosenInReadingOrder(const Table& table, Chosen chosen) {
    std::vector<int32_t> slots;
    for (size_t slot = 0; slot < table.size(); ++slot)
        if (table[slot] && chosen(*table[slot])) slots.push_back(static_cast<int32_t>(slot));
    const auto key = [&table](int32_t slot) {
        const auto& element = table[static_cast<size_t>(slot)];
        return std::make_tuple(element->y, element->x, slot);
    };
    std::sort(slots.begin(), slots.end(), [&key](int32_t a, int32_t b) { return key(a) < key(b); });
    return slots;
}

}  // namespace

std::vector<int32_t> logicSlotsInReadingOrder(const CCircuit& circuit, OutputRule rule) {
    return chosenInReadingOrder(circuit.logicElements, [rule](const CLogicElement& element) {
        return kindInfo(element.kind).outputRule == rule;
    });
}

std::vector<int32_t> indicatorsInReadingOrder(const CCircuit& circuit) {
    return chosenInReadingOrder(circuit.logicElements, [](const CLogicElement& element) {
        return kindInfo(element.kind).showsNumber;
    });
}

std::vector<int32_t> blockSlotsInReadingOrder(const CCircuit& circuit, OutputRule rule) {
    return chosenInReadingOrder(circuit.blockElements, [rule](const CBlockElement& element) {
        return kindInfo(element.kind).outputRule == rule;
    });
}

}  // namespace analysis
