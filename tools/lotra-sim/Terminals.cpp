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
        if (element && element->kind == EntrSignal) terminals.inputs.push_back(slot);
    }
    for (int32_t slot = 0; slot < CCircuit::kLogicSlots; ++slot) {
        const CLogicElement* element = circuit.logicElement(slot);
        if (element && element->kind == Indicator) terminals.indicators.push_back(slot);
    }
    sortByReadingOrder(terminals.inputs, circuit.blockElements);
    sortByReadingOrder(terminals.indicators, circuit.logicElements);
    return terminals;
}

bool isSequential(const CCircuit& circuit) {
    return std::any_of(circuit.blockElements.begin(), circuit.blockElements.end(),
                       [](const auto& element) {
                           return element && (element->kind == GTI || element->kind == Trigger);
                       });
}

}  // namespace lotrasim
