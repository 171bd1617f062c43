#include "edit/GroupTransfer.h"

#include <map>
#include <memory>

#include "edit/Selection.h"
#include "edit/TableMessages.h"

namespace edit {
namespace {

// Where each record goes: old slot to new slot, per table.
struct SlotMaps {
    std::map<int32_t, int32_t> logic;
    std::map<int32_t, int32_t> block;
    std::map<int32_t, int32_t> wires;
    // For each copied wire, where each of its kept end records lands.
    std::map<int32_t, std::map<int32_t, int32_t>> ends;
};

std::optional<int32_t> mapped(const std::map<int32_t, int32_t>& map, int32_t slot) {
    const auto found = map.find(slot);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

// Own ends always stay; a junction stays when the wire that made it comes along.
void mapEnds(const CCircuit& from, SlotMaps& maps) {
    for (const auto& [old, slot] : maps.wires) {
        std::map<int32_t, int32_t>& ends = maps.ends[old];
        const CWire& wire = *from.wire(old);
        int32_t kept = 0;
        for (size_t k = 0; k < wire.ends.size(); ++k) {
            const WireEnd& end = wire.ends[k];
            if (k < 2 || (end.kind == kLinkWire && maps.wires.contains(end.index)))
                ends[static_cast<int32_t>(k)] = kept++;
        }
    }
}

// The end in its new numbering; a link to something not copied becomes a free end.
WireEnd mappedEnd(WireEnd end, const SlotMaps& maps) {
    std::optional<int32_t> index;
    if (end.kind == kLinkWire) {
        index = mapped(maps.wires, end.index);
        if (index) {
            const std::optional<int32_t> partner = mapped(maps.ends.at(end.index), end.slot);
            if (partner)
                end.slot = *partner;
            else
                index.reset();
        }
    } else if (const std::optional<ElementKind> kind = end.kind.elementKind()) {
        index = mapped(isLogicTableKind(*kind) ? maps.logic : maps.block, end.index);
    }
    if (index) {
        end.index = *index;
    } else {
        end.kind = kLinkNone;
    }
    return end;
}

template <typename Element>
std::unique_ptr<Element> mappedElement(const Element& element, int32_t slot, const SlotMaps& maps) {
    auto copy = std::make_unique<Element>(element);
    copy->index = slot;
    copy->drawState = 0;
    for (Pin& pin : copy->pins) {
        if (!pin.connected) continue;
        const std::optional<int32_t> wire = mapped(maps.wires, pin.wireIndex);
        const std::optional<int32_t> end =
            wire ? mapped(maps.ends.at(pin.wireIndex), pin.wireEnd) : std::nullopt;
        if (end) {
            pin.wireIndex = *wire;
            pin.wireEnd = *end;
        } else {
            pin.connected = 0;
            pin.linkKind = kLinkNone;
        }
    }
    return copy;
}

void transfer(const CCircuit& from, CCircuit& to, SlotMaps& maps) {
    mapEnds(from, maps);
    for (const auto& [old, slot] : maps.logic)
        to.logicElements[static_cast<size_t>(slot)] =
            mappedElement(*from.logicElement(old), slot, maps);
    for (const auto& [old, slot] : maps.block)
        to.blockElements[static_cast<size_t>(slot)] =
            mappedElement(*from.blockElement(old), slot, maps);
    for (const auto& [old, slot] : maps.wires) {
        const CWire& wire = *from.wire(old);
        auto copy = std::make_unique<CWire>();
        copy->index = slot;
        copy->points = wire.points;
        for (const auto& [k, position] : maps.ends.at(old))
            copy->ends.push_back(mappedEnd(wire.ends[static_cast<size_t>(k)], maps));
        to.wires[static_cast<size_t>(slot)] = std::move(copy);
    }
}

// The lowest free slots of a table, one for each of `slots`, in order; nothing
// when there are too few.
template <typename Table>
std::optional<std::map<int32_t, int32_t>> freeSlotsFor(const Table& table,
                                                       const std::vector<int32_t>& slots) {
    std::map<int32_t, int32_t> map;
    auto next = slots.begin();
    for (size_t free = 0; free < table.size() && next != slots.end(); ++free)
        if (!table[free]) map[*next++] = static_cast<int32_t>(free);
    if (next != slots.end()) return std::nullopt;
    return map;
}

std::vector<int32_t> newSlots(const std::map<int32_t, int32_t>& map) {
    std::vector<int32_t> slots;
    slots.reserve(map.size());
    for (const auto& [old, slot] : map) slots.push_back(slot);
    return slots;
}

}  // namespace

CCircuit copyGroup(const CCircuit& circuit, const Selection& selection) {
    SlotMaps maps;
    for (int32_t slot : selection.logic)
        if (circuit.logicElement(slot)) maps.logic[slot] = static_cast<int32_t>(maps.logic.size());
    for (int32_t slot : selection.block)
        if (circuit.blockElement(slot)) maps.block[slot] = static_cast<int32_t>(maps.block.size());
    for (int32_t slot : groupWires(circuit, selection))
        maps.wires[slot] = static_cast<int32_t>(maps.wires.size());
    CCircuit group;
    transfer(circuit, group, maps);
    return group;
}

Selection wholeGroup(const CCircuit& group) {
    return everyElement(group);
}

std::optional<Selection> placeGroup(EditContext& context, const CCircuit& group) {
    CCircuit& circuit = context.circuit;
    const Selection records = wholeGroup(group);
    const auto logic = freeSlotsFor(circuit.logicElements, records.logic);
    const auto block = freeSlotsFor(circuit.blockElements, records.block);
    const auto wires = freeSlotsFor(circuit.wires, everyWire(group));
    const char* full = !logic   ? text::kLogicTableFull
                       : !block ? text::kBlockTableFull
                       : !wires ? text::kWireTableFull
                                : nullptr;
    if (full) {
        reportTableFull(context.shell, full);
        return std::nullopt;
    }
    SlotMaps maps{*logic, *block, *wires, {}};
    transfer(group, circuit, maps);
    return Selection{newSlots(*logic), newSlots(*block)};
}

}  // namespace edit
