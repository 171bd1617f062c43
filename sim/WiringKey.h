#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "model/Circuit.h"

namespace sim {

// Everything of the tables that building a settle plan read, so that a plan kept
// from one settle to the next can prove it still fits the circuit: the record in
// every element slot with its kind and output links, and every wire slot the walks
// looked up, with the record there and the kind, index and slot of each of its ends
// (a walk reads nothing else of a wire). Building is a function of these values
// alone; while they all hold, building again would give the same plan.
//
// Data layout: logicSlots_ and blockSlots_ hold the address of the record in every
// slot of the two element tables (nullptr when empty); occupied_ the kind and output
// links of each record, with its position counting logic slots and then block
// slots; wires_ one entry per wire slot looked up, in lookup order, each naming its
// range of ends_.
class CWiringKey {
  public:
    // Forgets what was recorded and records every element slot as it stands.
    void recordElements(const CCircuit& circuit);
    // The wire in the slot, recorded with its ends the first time it is looked up.
    const CWire* lookUpWire(const CCircuit& circuit, int32_t slot);
    // True when everything recorded still holds; false when nothing was recorded.
    bool matches(const CCircuit& circuit) const;

  private:
    struct ElementLinks {
        uint32_t position = 0;  // logic slots first, then block slots
        ElementKind kind = LogicElement;
        uint8_t outputConnected = 0;
        uint8_t secondPresent = 0;
        uint8_t secondConnected = 0;
        int32_t outputWire = 0;
        int32_t secondWire = 0;
        friend bool operator==(const ElementLinks&, const ElementLinks&) = default;
    };
    struct WireLinks {
        int32_t slot;
        const CWire* record;
        uint32_t firstEnd;
        uint32_t endCount;
    };
    struct EndLink {
        LinkKind kind;
        int32_t index = 0;
        int32_t slot = 0;
        friend bool operator==(const EndLink&, const EndLink&) = default;
    };

    template <typename Element>
    static ElementLinks linksOf(uint32_t position, const Element& element);
    bool elementsMatch(const CCircuit& circuit) const;
    bool wiresMatch(const CCircuit& circuit) const;

    std::array<const CLogicElement*, CCircuit::kLogicSlots> logicSlots_{};
    std::array<const CBlockElement*, CCircuit::kBlockSlots> blockSlots_{};
    bool recorded_ = false;
    std::vector<ElementLinks> occupied_;
    std::vector<WireLinks> wires_;
    std::vector<EndLink> ends_;
    std::vector<uint8_t> wireRecorded_;  // by wire slot
};

}  // namespace sim
