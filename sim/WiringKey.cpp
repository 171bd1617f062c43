#include "sim/WiringKey.h"

#include <algorithm>
#include <memory>

namespace sim {

template <typename Element>
CWiringKey::ElementLinks CWiringKey::linksOf(uint32_t position, const Element& element) {
    const Pin& output = element.pins[kOutputPin];
    const Pin& second = element.pins[kSecondOutputPin];
    return {position,         element.kind,     output.connected, second.present,
            second.connected, output.wireIndex, second.wireIndex};
}

namespace {

template <typename Element, size_t kSlots>
void keepAddresses(std::array<const Element*, kSlots>& kept,
                   const std::array<std::unique_ptr<Element>, kSlots>& table) {
    for (size_t s = 0; s < kSlots; ++s) kept[s] = table[s].get();
}

template <typename Element, size_t kSlots>
bool sameAddresses(const std::array<const Element*, kSlots>& kept,
                   const std::array<std::unique_ptr<Element>, kSlots>& table) {
    return std::equal(
        kept.begin(), kept.end(), table.begin(),
        [](const Element* address, const auto& slot) { return address == slot.get(); });
}

}  // namespace

void CWiringKey::recordElements(const CCircuit& circuit) {
    keepAddresses(logicSlots_, circuit.logicElements);
    keepAddresses(blockSlots_, circuit.blockElements);
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
    if (!sameAddresses(logicSlots_, circuit.logicElements) ||
        !sameAddresses(blockSlots_, circuit.blockElements))
        return false;
    return std::all_of(occupied_.begin(), occupied_.end(), [&](const ElementLinks& links) {
        const bool logic = links.position < CCircuit::kLogicSlots;
        const ElementLinks now =
            logic ? linksOf(links.position, *circuit.logicElements[links.position])
                  : linksOf(links.position,
                            *circuit.blockElements[links.position - CCircuit::kLogicSlots]);
        return now == links;
    });
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
