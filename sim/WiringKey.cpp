#include "sim/WiringKey.h"

#include <cstring>
#include <type_traits>

namespace sim {

template <typename Element>
CWiringKey::ElementLinks CWiringKey::linksOf(uint32_t position, const Element& element) {
    const Pin& output = element.pins[kOutputPin];
    const Pin& second = element.pins[kSecondOutputPin];
    return {position,         element.kind,     output.connected, second.present,
            second.connected, output.wireIndex, second.wireIndex};
}

// A slot holds nothing but its record's address, so its bytes tell the record.
static_assert(sizeof(std::unique_ptr<CLogicElement>) == sizeof(CLogicElement*));
static_assert(sizeof(std::unique_ptr<CBlockElement>) == sizeof(CBlockElement*));

void CWiringKey::recordElements(const CCircuit& circuit) {
    std::memcpy(logicSlots_.data(), circuit.logicElements.data(), logicSlots_.size());
    std::memcpy(blockSlots_.data(), circuit.blockElements.data(), blockSlots_.size());
    recorded_ = true;
    occupied_.clear();
    wires_.clear();
    ends_.clear();
    wireRecorded_.assign(CCircuit::kWireSlots, 0);
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s)
        if (const CLogicElement* element = circuit.logicElements[s].get())
            occupied_.push_back(linksOf(static_cast<uint32_t>(s), *element));
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s)
        if (const CBlockElement* element = circuit.blockElements[s].get())
            occupied_.push_back(
                linksOf(static_cast<uint32_t>(CCircuit::kLogicSlots + s), *element));
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
    return recorded_ && elementsMatch(circuit) && wiresMatch(circuit);
}

bool CWiringKey::elementsMatch(const CCircuit& circuit) const {
    // All slots at once: a few kilobytes compared as bytes.
    if (std::memcmp(logicSlots_.data(), circuit.logicElements.data(), logicSlots_.size()) != 0 ||
        std::memcmp(blockSlots_.data(), circuit.blockElements.data(), blockSlots_.size()) != 0)
        return false;
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
