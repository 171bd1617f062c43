#include "model/Circuit.h"

#include <algorithm>

namespace {
// The slot the record went to, or nothing when the table is full (the record then
// stays with the caller).
template <typename Table, typename Record>
std::optional<int32_t> registerInto(Table& table, std::unique_ptr<Record>& record) {
    for (size_t slot = 0; slot < table.size(); ++slot) {
        if (table[slot]) continue;
        record->index = static_cast<int32_t>(slot);
        table[slot] = std::move(record);
        return static_cast<int32_t>(slot);
    }
    return std::nullopt;
}

template <typename Table>
typename Table::value_type::element_type* lookup(const Table& table, int32_t slot) {
    if (slot < 0 || slot >= static_cast<int32_t>(table.size())) return nullptr;
    return table[static_cast<size_t>(slot)].get();
}
}  // namespace

bool CCircuit::registerLogicElement(std::unique_ptr<CLogicElement>& element) {
    return registerInto(logicElements, element).has_value();
}

bool CCircuit::registerBlockElement(std::unique_ptr<CBlockElement>& element) {
    return registerInto(blockElements, element).has_value();
}

std::optional<int32_t> CCircuit::registerWire() {
    auto wire = std::make_unique<CWire>();
    return registerInto(wires, wire);
}

void CCircuit::clearCircuit() {
    for (auto& slot : logicElements) slot.reset();
    for (auto& slot : blockElements) slot.reset();
    for (auto& slot : wires) slot.reset();
}

bool CCircuit::isEmpty() const {
    auto empty = [](const auto& table) {
        return std::all_of(table.begin(), table.end(), [](const auto& slot) { return !slot; });
    };
    return empty(logicElements) && empty(blockElements) && empty(wires);
}

CLogicElement* CCircuit::logicElement(int32_t slot) const {
    return lookup(logicElements, slot);
}
CBlockElement* CCircuit::blockElement(int32_t slot) const {
    return lookup(blockElements, slot);
}
CWire* CCircuit::wire(int32_t slot) const {
    return lookup(wires, slot);
}

Pins* CCircuit::pinsOf(ElementKind kind, int32_t slot) const {
    if (isLogicTableKind(kind)) {
        CLogicElement* element = logicElement(slot);
        return element ? &element->pins : nullptr;
    }
    CBlockElement* element = blockElement(slot);
    return element ? &element->pins : nullptr;
}

Pin* CCircuit::pin(ElementKind kind, int32_t slot, int32_t pinNumber) const {
    Pins* pins = pinsOf(kind, slot);
    if (!pins || !isPinNumber(pinNumber)) return nullptr;
    return &(*pins)[static_cast<size_t>(pinNumber)];
}

Pin* CCircuit::linkedPin(const WireEnd& end) const {
    const std::optional<ElementKind> kind = end.kind.elementKind();
    return kind ? pin(*kind, end.index, end.slot) : nullptr;
}

WireEnd* CCircuit::wireEnd(int32_t wireSlot, int32_t position) const {
    CWire* w = wire(wireSlot);
    if (!w || position < 0 || position >= static_cast<int32_t>(w->ends.size())) return nullptr;
    return &w->ends[static_cast<size_t>(position)];
}

std::optional<Point> CCircuit::pinAnchor(ElementKind kind, int32_t slot, int32_t pinNumber) const {
    if (!isPinNumber(pinNumber)) return std::nullopt;
    auto anchor = [pinNumber](const auto* element) -> std::optional<Point> {
        if (!element) return std::nullopt;
        const Point offset = element->pinOffset(pinNumber);
        return Point{element->x + offset.x, element->y + offset.y};
    };
    if (isLogicTableKind(kind)) return anchor(logicElement(slot));
    return anchor(blockElement(slot));
}
