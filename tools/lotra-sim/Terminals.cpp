#include "tools/lotra-sim/Terminals.h"

#include <algorithm>

#include "analysis/ReadingOrder.h"

namespace lotrasim {
Terminals readingOrderTerminals(const CCircuit& circuit) {
    return {analysis::inputSignalsInReadingOrder(circuit),
            analysis::indicatorsInReadingOrder(circuit)};
}

bool isSequential(const CCircuit& circuit) {
    const auto sequential = [](const auto& element) {
        return element && kindInfo(element->kind).sequential;
    };
    return std::any_of(circuit.logicElements.begin(), circuit.logicElements.end(), sequential) ||
           std::any_of(circuit.blockElements.begin(), circuit.blockElements.end(), sequential);
}

}  // namespace lotrasim
