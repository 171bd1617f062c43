#include "edit/Routing.h"

#include "edit/Deletion.h"
#include "edit/Joining.h"
#include "edit/PinChoice.h"
#include "edit/TableMessages.h"
#include "platform/Shell.h"

namespace edit {
namespace {

void placeOnPin(const CCircuit& circuit, WireEnd& end, const ChosenPin& chosen) {
    const Point anchor = circuit.pinAnchor(chosen.kind, chosen.slot, chosen.pin).value_or(Point{});
    end = {anchor.x, anchor.y, chosen.kind, chosen.slot, chosen.pin};
}

bool startWire(EditContext& context, const ChosenPin& chosen) {
    const std::optional<int32_t> slot = context.circuit.registerWire();
    if (!slot) {
        reportTableFull(context.shell, text::kWireTableFull);
        return false;
    }
    CWire& wire = *context.circuit.wire(*slot);
    wire.ends.assign(2, WireEnd{});
    placeOnPin(context.circuit, wire.ends[0], chosen);
    context.state.wireInProgress = slot;
    context.shell.invalidateWorkArea(true);
    return true;
}

bool finishWire(EditContext& context, int32_t wireSlot, const ChosenPin& chosen) {
    CWire* wire = context.circuit.wire(wireSlot);
    if (!wire) {
        context.state.wireInProgress.reset();
        return false;
    }
    if (wire->ends.size() < 2) wire->ends.resize(2);
    placeOnPin(context.circuit, wire->ends[1], chosen);
    const WireEnd& start = wire->ends[0];
    const bool samePin =
        start.kind == chosen.kind && start.index == chosen.slot && start.slot == chosen.pin;
    if (samePin) {
        deleteWire(context, wireSlot);
    } else {
        linkWireToPins(context.circuit, wireSlot);
    }
    context.state.wireInProgress.reset();
    context.shell.invalidateWorkArea(true);
    return !samePin;
}

}  // namespace

bool startOrFinishAtPin(EditContext& context, ElementKind kind, int32_t slot) {
    const std::optional<ChosenPin> chosen = choosePin(context, kind, slot);
    if (!chosen) return false;
    if (!context.state.wireInProgress) return startWire(context, *chosen);
    return finishWire(context, *context.state.wireInProgress, *chosen);
}

bool attachHeldEndToPin(EditContext& context, ElementKind kind, int32_t slot, WireEndRef held) {
    if ((held.end != 0 && held.end != 1) || !context.circuit.wireEnd(held.wire, held.end))
        return false;
    const std::optional<ChosenPin> chosen = choosePin(context, kind, slot);
    if (!chosen) return false;
    placeOnPin(context.circuit, *context.circuit.wireEnd(held.wire, held.end), *chosen);
    linkWireToPins(context.circuit, held.wire);
    context.shell.invalidateWorkArea(true);
    return true;
}

bool abandonWire(EditContext& context) {
    if (!context.state.wireInProgress) return false;
    linkWireToPins(context.circuit, *context.state.wireInProgress);
    context.state.wireInProgress.reset();
    context.shell.invalidateWorkArea(true);
    return true;
}

bool putDownHeldEnd(EditContext& context) {
    if (!context.state.continuedEnd) return false;
    closeWireEnds(context.circuit, context.state.continuedEnd->wire);
    context.state.continuedEnd.reset();
    context.shell.invalidateWorkArea(true);
    return true;
}

}  // namespace edit
