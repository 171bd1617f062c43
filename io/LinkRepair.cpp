#include "io/LinkRepair.h"

#include <vector>

namespace io {
namespace {

constexpr size_t kOwnEnds = 2;

void giveOwnEnds(CWire& wire) {
    const Point first = wire.points.empty() ? Point{} : wire.points.front();
    const Point last = wire.points.empty() ? Point{} : wire.points.back();
    if (wire.ends.empty()) wire.ends.push_back({first.x, first.y, kLinkNone, 0, 0});
    if (wire.ends.size() < kOwnEnds) wire.ends.push_back({last.x, last.y, kLinkNone, 0, 0});
}

// The pin and the own end it names sit on each other.
bool pinLinkIsMutual(const CCircuit& circuit, const Pin& pin, ElementKind kind, int32_t slot,
                     int32_t pinNumber) {
    if (!pin.present || pin.wireEnd < 0 || pin.wireEnd >= static_cast<int32_t>(kOwnEnds))
        return false;
    const WireEnd* end = circuit.wireEnd(pin.wireIndex, pin.wireEnd);
    return end && end->kind == kind && end->index == slot && end->slot == pinNumber;
}

void repairPins(const CCircuit& circuit, Pins& pins, ElementKind kind, int32_t slot) {
    for (int p = 0; p < kPinCount; ++p) {
        Pin& pin = pins[p];
        if (pin.connected && !pinLinkIsMutual(circuit, pin, kind, slot, p)) pin.connected = 0;
        pin.linkKind = pin.connected ? kLinkWire : kLinkNone;
    }
}

// Runs after the pins are repaired, so a connected pin names its end back.
bool endIsSound(const CCircuit& circuit, const WireEnd& end, int32_t wireSlot, size_t position) {
    const auto at = static_cast<int32_t>(position);
    if (end.kind == kLinkNone) return position < kOwnEnds;
    if (end.kind == kLinkWire) {
        const WireEnd* partner = circuit.wireEnd(end.index, end.slot);
        return end.index != wireSlot && partner && partner->kind == kLinkWire &&
               partner->index == wireSlot && partner->slot == at;
    }
    const Pin* pin = circuit.linkedPin(end);
    return position < kOwnEnds && pin && pin->connected && pin->wireIndex == wireSlot &&
           pin->wireEnd == at;
}

// For each wire, the new position of every end, or -1 for an end to be removed;
// empty for a wire that keeps all its ends. Unsound own ends are freed on the way.
using EndMoves = std::vector<std::vector<int32_t>>;

EndMoves planEndMoves(CCircuit& circuit) {
    EndMoves moves(circuit.wires.size());
    for (size_t w = 0; w < circuit.wires.size(); ++w) {
        CWire* wire = circuit.wires[w].get();
        if (!wire) continue;
        std::vector<bool> sound(wire->ends.size());
        for (size_t e = 0; e < wire->ends.size(); ++e)
            sound[e] = endIsSound(circuit, wire->ends[e], static_cast<int32_t>(w), e);
        for (size_t e = 0; e < kOwnEnds; ++e)
            if (!sound[e]) wire->ends[e] = {wire->ends[e].x, wire->ends[e].y, kLinkNone, 0, 0};
        int32_t next = 0;
        std::vector<int32_t> positions(wire->ends.size());
        for (size_t e = 0; e < wire->ends.size(); ++e)
            positions[e] = (e < kOwnEnds || sound[e]) ? next++ : -1;
        if (next != static_cast<int32_t>(wire->ends.size())) moves[w] = std::move(positions);
    }
    return moves;
}

// Every surviving junction names a surviving partner, so each lookup below is in range.
void applyEndMoves(CCircuit& circuit, const EndMoves& moves) {
    for (size_t w = 0; w < circuit.wires.size(); ++w) {
        if (!circuit.wires[w]) continue;
        std::vector<WireEnd>& ends = circuit.wires[w]->ends;
        for (size_t e = 0; e < ends.size(); ++e) {
            if (!moves[w].empty() && moves[w][e] < 0) continue;
            if (ends[e].kind != kLinkWire) continue;
            const std::vector<int32_t>& partnerMoves = moves[static_cast<size_t>(ends[e].index)];
            if (!partnerMoves.empty())
                ends[e].slot = partnerMoves[static_cast<size_t>(ends[e].slot)];
        }
    }
    for (size_t w = 0; w < circuit.wires.size(); ++w) {
        if (moves[w].empty()) continue;
        std::vector<WireEnd>& ends = circuit.wires[w]->ends;
        std::vector<WireEnd> kept;
        for (size_t e = 0; e < ends.size(); ++e)
            if (moves[w][e] >= 0) kept.push_back(ends[e]);
        ends = std::move(kept);
    }
}

}  // namespace

void repairLinks(CCircuit& circuit) {
    for (auto& wire : circuit.wires)
        if (wire) giveOwnEnds(*wire);
    for (int32_t s = 0; s < CCircuit::kLogicSlots; ++s)
        if (CLogicElement* element = circuit.logicElement(s))
            repairPins(circuit, element->pins, element->kind, s);
    for (int32_t s = 0; s < CCircuit::kBlockSlots; ++s)
        if (CBlockElement* element = circuit.blockElement(s))
            repairPins(circuit, element->pins, element->kind, s);
    applyEndMoves(circuit, planEndMoves(circuit));
}

}  // namespace io
