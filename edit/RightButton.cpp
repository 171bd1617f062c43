#include "edit/Deletion.h"
#include "edit/MouseDispatch.h"
#include "edit/Retraction.h"
#include "platform/Shell.h"

namespace edit {
namespace {

// The wire being drawn loses its last bend; with only its stub left it goes.
void takeBackBend(EditContext& context) {
    CWire* wire = context.circuit.wire(*context.state.wireInProgress);
    if (wire && wire->pointCount() > 2) {
        wire->points.pop_back();
        context.shell.invalidateWorkArea(true);
    } else {
        deleteWireInProgress(context);
    }
}

// A held end gives back its last segment; a wire with no more than its stub goes.
// The retraction is repainted at once so that the dropped segment does not linger.
void retractOrDelete(EditContext& context) {
    const WireEndRef held = *context.state.continuedEnd;
    CWire* wire = context.circuit.wire(held.wire);
    if (wire && wire->pointCount() > 2) {
        retractHeldEnd(context.circuit, held.wire, held.end);
    } else {
        deleteWire(context, held.wire);
        context.state.continuedEnd.reset();
    }
    context.shell.invalidateWorkArea(true);
}

}  // namespace

void OnRButtonDown(EditContext& context, uint32_t, Point point) {
    EditState& state = context.state;
    if (state.pendingGroup) {
        // A pasted group is dropped; it was never registered.
        state.pendingGroup.reset();
        context.shell.invalidateWorkArea(true);
    } else if (state.pendingLogicElement || state.pendingBlockElement) {
        // The logic element is served first; a waiting block element stays.
        if (state.pendingLogicElement) {
            state.pendingLogicElement.reset();
        } else {
            state.pendingBlockElement.reset();
        }
        context.shell.invalidateWorkArea(true);
    } else if (state.wireInProgress) {
        takeBackBend(context);
    } else if (state.continuedEnd) {
        retractOrDelete(context);
    } else {
        deleteElementsUnderPointer(context, point);
        deleteWiresUnderPointer(context, point);
    }
}

}  // namespace edit
