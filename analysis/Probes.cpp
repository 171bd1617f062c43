#include "analysis/Probes.h"

#include "model/ElementKinds.h"

namespace analysis {

std::string Probe::shortName() const {
    std::string name = table + std::to_string(slot);
    if (!isIndicator()) name += '.' + std::to_string(pin);
    return name;
}

std::vector<Probe> circuitProbes(const CCircuit& circuit) {
    std::vector<Probe> probes;
    for (int32_t slot = 0; slot < CCircuit::kLogicSlots; ++slot) {
        const CLogicElement* element = circuit.logicElement(slot);
        if (!element) continue;
        const bool indicator = kindInfo(element->kind).showsNumber;
        probes.push_back({'L', slot, element->kind, indicator ? Probe::kIndicatorNumber : 9});
    }
    for (int32_t slot = 0; slot < CCircuit::kBlockSlots; ++slot) {
        const CBlockElement* element = circuit.blockElement(slot);
        if (!element) continue;
        for (int pin : {9, 10})
            if (element->pins[pin].present) probes.push_back({'B', slot, element->kind, pin});
    }
    return probes;
}

int probeValue(const CCircuit& circuit, const Probe& probe) {
    const Pins* pins = circuit.pinsOf(probe.kind, probe.slot);
    if (!pins) return 0;
    return probe.isIndicator() ? indicatorNumber(*pins) : (*pins)[probe.pin].value;
}

}  // namespace analysis
