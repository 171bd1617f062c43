#include "support/CircuitChecks.h"

namespace {

std::string where(const char* table, int slot) {
    return std::string(table) + " " + std::to_string(slot);
}

void checkPins(const CCircuit& circuit, const Pins& pins, ElementKind kind, int32_t slot,
               const std::string& name, std::vector<std::string>& out) {
    for (int p = 0; p < kPinCount; ++p) {
        const Pin& pin = pins[p];
        if (!pin.connected) continue;
        const std::string at = name + " pin " + std::to_string(p);
        if (!pin.present) out.push_back(at + " is connected but not present");
        const WireEnd* end = circuit.wireEnd(pin.wireIndex, pin.wireEnd);
        if (!end) {
            out.push_back(at + " names a missing wire end");
            continue;
        }
        if (end->kind != kind || end->index != slot || end->slot != p)
            out.push_back(at + " names a wire end that does not name it back");
    }
}

// End `e` of wire `slot` lies on a pin: the pin must name the end back, except the
// start of a wire still being drawn, which is not connected yet.
void checkPinEnd(const CCircuit& circuit, const WireEnd& end, int32_t slot, size_t e,
                 bool inProgress, const std::string& at, std::vector<std::string>& out) {
    if (e >= 2) out.push_back(at + " is a junction end on a pin");
    const Pin* pin = circuit.linkedPin(end);
    if (!pin) {
        out.push_back(at + " names a missing element or pin");
    } else if (inProgress && e == 0 && pin->present && !pin->connected) {
        return;
    } else if (!pin->present || !pin->connected || pin->wireIndex != slot ||
               pin->wireEnd != static_cast<int32_t>(e)) {
        out.push_back(at + " is on a pin that does not name it back");
    }
}

void checkWire(const CCircuit& circuit, const CWire& wire, int32_t slot, bool inProgress,
               std::vector<std::string>& out) {
    const std::string name = where("wire", slot);
    if (wire.ends.size() < 2) out.push_back(name + " has fewer than two ends");
    for (size_t e = 0; e < wire.ends.size(); ++e) {
        const WireEnd& end = wire.ends[e];
        const std::string at = name + " end " + std::to_string(e);
        if (end.kind == kLinkNone) {
            if (e >= 2) out.push_back(at + " is a free junction end");
        } else if (end.kind == kLinkWire) {
            const WireEnd* partner = circuit.wireEnd(end.index, end.slot);
            if (!partner) {
                out.push_back(at + " names a missing junction partner");
            } else if (partner->kind != kLinkWire || partner->index != slot ||
                       partner->slot != static_cast<int32_t>(e)) {
                out.push_back(at + " has a junction partner that does not name it back");
            }
            if (end.index == slot) out.push_back(at + " is joined onto its own wire");
        } else if (!end.kind.elementKind()) {
            out.push_back(at + " has kind " + std::to_string(end.kind.storedNumber()));
        } else {
            checkPinEnd(circuit, end, slot, e, inProgress, at, out);
        }
    }
}

}  // namespace

std::vector<std::string> circuitLinkViolations(const CCircuit& circuit,
                                               std::optional<int32_t> wireInProgress) {
    std::vector<std::string> out;
    for (int s = 0; s < CCircuit::kLogicSlots; ++s) {
        const CLogicElement* e = circuit.logicElements[s].get();
        if (!e) continue;
        if (e->index != s) out.push_back(where("logic element", s) + " has another index");
        if (!isLogicTableKind(e->kind))
            out.push_back(where("logic element", s) + " has a block kind");
        checkPins(circuit, e->pins, e->kind, s, where("logic element", s), out);
    }
    for (int s = 0; s < CCircuit::kBlockSlots; ++s) {
        const CBlockElement* e = circuit.blockElements[s].get();
        if (!e) continue;
        if (e->index != s) out.push_back(where("block element", s) + " has another index");
        if (isLogicTableKind(e->kind))
            out.push_back(where("block element", s) + " has a logic kind");
        checkPins(circuit, e->pins, e->kind, s, where("block element", s), out);
    }
    for (int s = 0; s < CCircuit::kWireSlots; ++s) {
        const CWire* w = circuit.wires[s].get();
        if (!w) continue;
        if (w->index != s) out.push_back(where("wire", s) + " has another index");
        checkWire(circuit, *w, s, wireInProgress == s, out);
    }
    return out;
}
