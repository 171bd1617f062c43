#include "edit/WireEnds.h"

namespace edit {
namespace {

// True when the record is a link back to `position` of the wire in `wireSlot`.
bool namesBack(const WireEnd* partner, int32_t wireSlot, int32_t position) {
    return partner && partner->kind == kLinkWire && partner->index == wireSlot &&
           partner->slot == position;
}

// Whoever names the end record that moved from `oldPosition` to `newPosition` of
// the wire is told its new position.
void renumber(CCircuit& circuit, int32_t wireSlot, const WireEnd& record, int32_t oldPosition,
              int32_t newPosition) {
    if (record.kind == kLinkWire) {
        WireEnd* partner = circuit.wireEnd(record.index, record.slot);
        if (namesBack(partner, wireSlot, oldPosition)) partner->slot = newPosition;
    } else if (Pin* pin = circuit.linkedPin(record)) {
        if (pin->connected && pin->wireIndex == wireSlot && pin->wireEnd == oldPosition)
            pin->wireEnd = newPosition;
    }
}

void eraseRecord(CCircuit& circuit, int32_t wireSlot, CWire& wire, int32_t position) {
    wire.ends.erase(wire.ends.begin() + position);
    for (int32_t i = position; i < static_cast<int32_t>(wire.ends.size()); ++i)
        renumber(circuit, wireSlot, wire.ends[static_cast<size_t>(i)], i + 1, i);
}

// Frees what the removed record was attached to, provided it names the record back.
void detach(CCircuit& circuit, int32_t wireSlot, int32_t position, const WireEnd& removed) {
    if (removed.kind == kLinkWire) {
        WireEnd* partner = circuit.wireEnd(removed.index, removed.slot);
        if (!namesBack(partner, wireSlot, position)) return;
        partner->kind = kLinkNone;
        // A partner past the other wire's own two ends is a junction end, which
        // means nothing without this wire.
        if (removed.slot > 1) removeWireEnd(circuit, removed.index, removed.slot);
        return;
    }
    Pin* pin = circuit.linkedPin(removed);
    if (!pin || pin->wireIndex != wireSlot || pin->wireEnd != position) return;
    pin->connected = 0;
    pin->linkKind = kLinkNone;
}

}  // namespace

bool removeWireEnd(CCircuit& circuit, int32_t wireSlot, int32_t position) {
    const WireEnd* record = circuit.wireEnd(wireSlot, position);
    if (!record) return false;
    const WireEnd removed = *record;
    eraseRecord(circuit, wireSlot, *circuit.wire(wireSlot), position);
    detach(circuit, wireSlot, position, removed);
    return true;
}

}  // namespace edit
