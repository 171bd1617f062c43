#include "bench/TableFiller.h"

#include <memory>

namespace {

template <typename Table, typename Record>
int32_t place(Table& table, std::unique_ptr<Record> record, int32_t& next) {
    const int32_t slot = next++;
    record->index = slot;
    table[slot] = std::move(record);
    return slot;
}

}  // namespace

int32_t TableFiller::gate(bool isConjunction, uint16_t inputs, bool inverted) {
    auto element = std::make_unique<CLogicElement>(isConjunction, inputs, inverted);
    element->setPosition(40 * (nextLogic_ % 40), 60 * (nextLogic_ / 40));
    return place(circuit_.logicElements, std::move(element), nextLogic_);
}

int32_t TableFiller::block(ElementKind kind) {
    auto element = std::make_unique<CBlockElement>(kind);
    element->setPosition(1700 + 50 * (nextBlock_ % 6), 50 * (nextBlock_ / 6));
    return place(circuit_.blockElements, std::move(element), nextBlock_);
}

int32_t TableFiller::wire(Attach from, Attach to) {
    auto record = std::make_unique<CWire>();
    record->ends.resize(2);
    const int32_t slot = place(circuit_.wires, std::move(record), nextWire_);
    attach(slot, 0, from);
    attach(slot, 1, to);
    CWire& w = *circuit_.wires[slot];
    w.points = {w.ends[0].position(), w.ends[1].position()};
    return slot;
}

void TableFiller::fillWiresWithBranches(const std::vector<int32_t>& targets) {
    for (size_t i = 0; nextWire_ < CCircuit::kWireSlots; ++i)
        wire(Attach::onto(targets[i % targets.size()]), Attach::nowhere());
}

bool TableFiller::tablesFull() const {
    return nextLogic_ == CCircuit::kLogicSlots && nextBlock_ == CCircuit::kBlockSlots &&
           nextWire_ == CCircuit::kWireSlots;
}

void TableFiller::attach(int32_t wireSlot, int32_t position, Attach target) {
    WireEnd& end = circuit_.wires[wireSlot]->ends[position];
    if (target.kind == kLinkWire) {
        CWire& other = *circuit_.wires[target.slot];
        end = {other.ends[0].x, other.ends[0].y, kLinkWire, target.slot,
               static_cast<int32_t>(other.ends.size())};
        other.ends.push_back({end.x, end.y, kLinkWire, wireSlot, position});
        return;
    }
    if (target.kind == kLinkNone) {
        end = {100 + (5 * wireSlot) % 1800, 1900, kLinkNone, 0, 0};
        return;
    }
    const ElementKind kind = *target.kind.elementKind();
    const Point anchor = *circuit_.pinAnchor(kind, target.slot, target.pin);
    end = {anchor.x, anchor.y, kind, target.slot, target.pin};
    Pin& pin = *circuit_.pin(kind, target.slot, target.pin);
    pin = {pin.present, 1, pin.value, kLinkWire, wireSlot, position};
}
