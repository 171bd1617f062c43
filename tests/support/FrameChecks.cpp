#include "support/FrameChecks.h"

#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "support/CircuitChecks.h"

namespace {

template <typename Lookup>
void checkHits(const std::optional<HitList>& hits, const char* table, Lookup live,
               std::vector<std::string>& out) {
    if (!hits) return;
    if (hits->slots.empty()) out.push_back(std::string(table) + " hit list is empty");
    for (uint32_t slot : hits->slots) {
        if (!live(static_cast<int32_t>(slot)))
            out.push_back(std::string(table) + " hit list names empty slot " +
                          std::to_string(slot));
    }
}

void checkEditState(const CCircuit& circuit, const EditState& edit, std::vector<std::string>& out) {
    if (edit.wireInProgress && !circuit.wire(*edit.wireInProgress))
        out.push_back("the wire in progress " + std::to_string(*edit.wireInProgress) +
                      " is not a live wire");
    if (edit.continuedEnd) {
        const WireEndRef held = *edit.continuedEnd;
        const WireEnd* end = circuit.wireEnd(held.wire, held.end);
        if (!end) {
            out.push_back("the continued end names no live wire end");
        } else if ((held.end != 0 && held.end != 1) || end->kind != kLinkNone) {
            out.push_back("the continued end is not a free own end");
        }
    }
    checkHits(
        edit.logicHits, "logic", [&](int32_t s) { return circuit.logicElement(s); }, out);
    checkHits(
        edit.blockHits, "block", [&](int32_t s) { return circuit.blockElement(s); }, out);
    checkHits(
        edit.wireHits, "wire", [&](int32_t s) { return circuit.wire(s); }, out);
    for (int32_t slot : edit.selection.logic)
        if (!circuit.logicElement(slot)) out.push_back("a chosen logic slot is empty");
    for (int32_t slot : edit.selection.block)
        if (!circuit.blockElement(slot)) out.push_back("a chosen block slot is empty");
    if (edit.pendingGroup)
        for (std::string& fault : circuitLinkViolations(*edit.pendingGroup, std::nullopt))
            out.push_back("the pasted group: " + fault);
}

// Reading drops the link of end 0 of the wire in progress, whose pin is not linked
// yet; that end gets its link back before the bytes are compared.
void checkRoundTrip(const CCircuit& circuit, std::optional<int32_t> wireInProgress,
                    std::vector<std::string>& out) {
    const std::vector<uint8_t> written = io::encodeCircuit(circuit);
    CCircuit reread;
    io::decodeCircuit(written, reread);
    const WireEnd* start = wireInProgress ? circuit.wireEnd(*wireInProgress, 0) : nullptr;
    WireEnd* rereadStart = wireInProgress ? reread.wireEnd(*wireInProgress, 0) : nullptr;
    if (start && rereadStart) *rereadStart = *start;
    if (io::encodeCircuit(reread) != written)
        out.push_back("the circuit reads back into other bytes");
}

}  // namespace

std::vector<std::string> frameViolations(const CVortafrm& window) {
    return frameViolations(window.circuit(), window.editState());
}

std::vector<std::string> frameViolations(const CCircuit& circuit, const EditState& edit) {
    std::vector<std::string> out = circuitLinkViolations(circuit, edit.wireInProgress);
    checkEditState(circuit, edit, out);
    checkRoundTrip(circuit, edit.wireInProgress, out);
    return out;
}
