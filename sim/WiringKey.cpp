#include "sim/WiringKey.h"

namespace sim {

template <typename Element>
CWiringKey::ElementLinks CWiringKey::linksOf(uint32_t position, const Element& element) {
    const Pin& output = element.pins[kOutputPin];
    const Pin& second = element.pins[kSecondOutputPin];
    return {position,         element.kind,     output.connected, second.present,
            second.connected, output.wireIndex, second.wireIndex};
}

void CWiringKey::recordElements(const CCircuit& circuit) {
    records_.clear();
    occupied_.clear();
    wires_.clear();
    ends_.clear();
    wireRecorded_.assign(CCircuit::kWireSlots, 0);
    auto record = [this](const auto& table) {
        for (const auto& element : table) {
            const auto position = static_cast<uint32_t>(records_.size());
            records_.push_back(element.get());
            if (element) occupied_.push_back(linksOf(position, *element));
        }
    };
    record(circuit.logicElements);
    record(circuit.blockElements);
}

const CWire* CWiringKey::lookUpWire(const CCircuit& circuit, int32_t slot) {
    const CWire* wire = circuit.wire(slot);
    // Outside the table a lookup finds nothing whatever the tables hold.
    if (slot < 0 || slot >= CCircuit::kWireSlots) return wire;
    if (wireRecorded_[static_cast<size_t>(slot)]) return wire;
    wireRecorded_[static_cast<size_t>(slot)] = 1;
    const auto firstEnd = static_cast<uint32_t>(ends_.size());
    if (wire)
        for (const WireEnd& end : wire->ends) ends_.push_back({end.kind, end.index, end.slot});
    wires_.push_back({slot, wire, firstEnd, static_cast<uint32_t>(ends_.size()) - firstEnd});
    return wire;
}

bool CWiringKey::matches(const CCircuit& circuit) const {
    return !records_.empty() && elementsMatch(circuit) && wiresMatch(circuit);
}

bool CWiringKey::elementsMatch(const CCircuit& circuit) const {
    // All slots at once, without a branch per slot: a few hundred pointers.
    uintptr_t difference = 0;
    const void* const* record = records_.data();
    auto compare = [&difference, &record](const auto& table) {
        for (const auto& element : table)
            difference |=
                reinterpret_cast<uintptr_t>(element.get()) ^ reinterpret_cast<uintptr_t>(*record++);
    };
    compare(circuit.logicElements);
    compare(circuit.blockElements);
    if (difference != 0) return false;
    for (const ElementLinks& links : occupied_) {
        const bool logic = links.position < CCircuit::kLogicSlots;
        const ElementLinks now =
            logic ? linksOf(links.position, *circuit.logicElements[links.position])
                  : linksOf(links.position,
                            *circuit.blockElements[links.position - CCircuit::kLogicSlots]);
        if (!(now == links)) return false;
    }
    return true;
}

bool CWiringKey::wiresMatch(const CCircuit& circuit) const {
    for (const WireLinks& links : wires_) {
        const CWire* wire = circuit.wires[static_cast<size_t>(links.slot)].get();
        if (wire != links.record) return false;
        if (!wire) continue;
        if (wire->ends.size() != links.endCount) return false;
        const EndLink* recorded = ends_.data() + links.firstEnd;
        for (const WireEnd& end : wire->ends)
            if (!(EndLink{end.kind, end.index, end.slot} == *recorded++)) return false;
    }
    return true;
}

}  // namespace sim
