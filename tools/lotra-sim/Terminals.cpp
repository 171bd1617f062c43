#include "tools/lotra-sim/Terminals.h"

#include <algorithm>
#include <tuple>

namespace lotrasim {
namespace {

template <typename Table>
void sortByReadingOrder(std::vector<int32_t>& slots, const Table& table) {
    const auto key = [&table](int32_t slot) {
        const auto& element = table[static_cast<size_t>(slot)];
        return std::make_tuple(element->y, element->x, slot);
    };
    std::sort(slots.begin(), slots.end(), [&key](int32_t a, int32_t b) { return key(a) < key(b); });
}

}  // namespace

Terminals readingOrderTerminals(const CCircuit& circuit) {
    Terminals terminals;
    for (int32_t slot = 0; slot < CCircuit::kBlockSlots; ++slot) {
        const CBlockElement* element = circuit.blockElement(slot);
        if (element && kindInfo(element->kind).outputRule == OutputRule::User)
            terminals.inputs.push_back(slot);
    }
    for (int32_t slot = 0; slot < CCircuit::kLogicSlots; ++slot) {
        const CLogicElement* element = circuit.logicElement(slot);
        if (element && kindInfo(element->kind).showsNumber) terminals.indicators.push_back(slot);
    }
    sortByReadingOrder(terminals.inputs, circuit.blockElements);
    sortByReadingOrder(terminals.indicators, circuit.logicElements);
    return terminals;
}

bool isSequential(const CCircuit& circuit) {
    const auto sequential = [](const auto& element) {
        return element && kindInfo(element->kind).sequential;
    };
    return std::any_of(circuit.logicElements.begin(), circuit.logicElements.end(), sequential) ||
           std::any_of(circuit.blockElements.begin(), circuit.blockElements.end(), sequential);
}

}  // namespace lotrasim
