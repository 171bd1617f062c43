#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/BlockElement.h"
#include "model/LogicElement.h"
#include "model/Wire.h"

// The whole circuit: three fixed tables whose slot numbers are the records'
// identities. Every whole-table pass walks slots upward and skips empty ones.
class CCircuit {
  public:
    static constexpr int32_t kLogicSlots = 255;
    static constexpr int32_t kBlockSlots = 127;
    static constexpr int32_t kWireSlots = 1023;

    // Stores the element in the lowest free slot and writes the slot into its index.
    // False when the table is full: the element then stays with the caller.
    bool registerLogicElement(std::unique_ptr<CLogicElement>& element);
    bool registerBlockElement(std::unique_ptr<CBlockElement>& element);
    // Creates an empty wire in the lowest free slot; nothing when the table is full.
    std::optional<int32_t> registerWire();

    // Deletes every record: logic-element table, block table, wire table, slots upward.
    void clearCircuit();
    bool isEmpty() const;

    // Lookups by slot; nullptr for an empty slot or a number outside the table.
    CLogicElement* logicElement(int32_t slot) const;
    CBlockElement* blockElement(int32_t slot) const;
    CWire* wire(int32_t slot) const;
    // The pins of the element of that kind in the table the kind selects.
    Pins* pinsOf(ElementKind kind, int32_t slot) const;
    Pin* pin(ElementKind kind, int32_t slot, int32_t pin) const;
    // The pin a wire end names, or nullptr for a free end, a junction or a link to
    // nothing there.
    Pin* linkedPin(const WireEnd& end) const;
    // End record `position` of a wire, or nullptr.
    WireEnd* wireEnd(int32_t wireSlot, int32_t position) const;
    // The work-area point where a wire end sits on the pin of that element.
    std::optional<Point> pinAnchor(ElementKind kind, int32_t slot, int32_t pin) const;

    std::array<std::unique_ptr<CLogicElement>, kLogicSlots> logicElements;
    std::array<std::unique_ptr<CBlockElement>, kBlockSlots> blockElements;
    std::array<std::unique_ptr<CWire>, kWireSlots> wires;
};
