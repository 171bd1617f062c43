#include "edit/Deletion.h"

#include "edit/HitRelease.h"
#include "edit/HitTest.h"
#include "edit/PointerGeometry.h"
#include "edit/WireEnds.h"
#include "platform/Shell.h"

namespace edit {
namespace {

template <typename Table>
void markElements(EditContext& context, const Table& table, const std::optional<HitList>& hits) {
    if (!hits) return;
    for (int32_t slot : hits->slots)
        table[static_cast<size_t>(slot)]->drawState = kDrawStateDisabled;
    context.shell.invalidateWorkArea(true);
}

// The wire ends on the element's pins become free ends where they stand.
template <typename Element>
void freeWireEndsOf(CCircuit& circuit, const Element& element) {
    for (int p = 0; p < kPinCount; ++p) {
        const Pin& pin = element.pins[static_cast<size_t>(p)];
        if (!pin.present || !pin.connected) continue;
        WireEnd* end = circuit.wireEnd(pin.wireIndex, pin.wireEnd);
        if (end && end->kind == element.kind && end->index == element.index && end->slot == p)
            end->kind = kLinkNone;
    }
}

template <typename Table>
void deleteElements(CCircuit& circuit, Table& table, std::optional<HitList>& hits) {
    if (!hits) return;
    for (int32_t slot : hits->slots) {
        auto& record = table[static_cast<size_t>(slot)];
        if (!record) continue;
        freeWireEndsOf(circuit, *record);
        record.reset();
    }
    hits.reset();
}

}  // namespace

bool deleteElementsUnderPointer(EditContext& context, Point click) {
    const Point at = rawWorkPoint(context, click);
    EditState& state = context.state;
    CCircuit& circuit = context.circuit;
    state.logicHits = hitLogicElements(circuit, at);
    state.blockHits = hitBlockElements(circuit, at);
    markElements(context, circuit.logicElements, state.logicHits);
    markElements(context, circuit.blockElements, state.blockHits);
    if (!state.logicHits && !state.blockHits) return false;
    const bool confirmed = context.shell.deleteConfirmDialog(click.x, click.y);
    if (confirmed) {
        deleteListedElements(context);
        context.shell.invalidateWorkArea(true);
    }
    releaseLogicHits(context);
    releaseBlockHits(context);
    return confirmed;
}

void deleteListedElements(EditContext& context) {
    CCircuit& circuit = context.circuit;
    deleteElements(circuit, circuit.logicElements, context.state.logicHits);
    deleteElements(circuit, circuit.blockElements, context.state.blockHits);
}

bool deleteWiresUnderPointer(EditContext& context, Point click) {
    const Point at = snappedWorkPoint(context, click);
    std::optional<HitList>& hits = context.state.wireHits;
    hits = hitWires(context.circuit, at, kNoExcludedWire);
    if (!hits) return false;
    for (int32_t slot : hits->slots) context.circuit.wire(slot)->highlighted = 1;
    context.shell.invalidateWorkArea(true);
    const bool confirmed = context.shell.deleteConfirmDialog(click.x, click.y);
    if (confirmed) {
        // A wire that passes the click twice is listed twice and deleted once.
        for (int32_t slot : hits->slots) deleteWire(context, slot);
        hits.reset();
        context.shell.invalidateWorkArea(true);
    }
    releaseWireHits(context);
    return confirmed;
}

bool deleteWireInProgress(EditContext& context) {
    if (!context.state.wireInProgress) return false;
    deleteWire(context, *context.state.wireInProgress);
    context.state.wireInProgress.reset();
    context.shell.invalidateWorkArea(true);
    return true;
}

bool deleteWire(EditContext& context, int32_t wireSlot) {
    CWire* wire = context.circuit.wire(wireSlot);
    if (!wire) return false;
    while (!wire->ends.empty()) removeWireEnd(context.circuit, wireSlot, 0);
    context.circuit.wires[static_cast<size_t>(wireSlot)].reset();
    if (context.state.wireInProgress == wireSlot) context.state.wireInProgress.reset();
    if (context.state.continuedEnd && context.state.continuedEnd->wire == wireSlot)
        context.state.continuedEnd.reset();
    return true;
}

}  // namespace edit
