#include "edit/BendPoints.h"
#include "edit/ElementChanges.h"
#include "edit/GroupGestures.h"
#include "edit/HitRelease.h"
#include "edit/HitTest.h"
#include "edit/Joining.h"
#include "edit/MouseDispatch.h"
#include "edit/PointerGeometry.h"
#include "edit/Routing.h"
#include "edit/TableMessages.h"
#include "platform/Shell.h"

namespace edit {
namespace {

void hitElements(EditContext& context, Point work) {
    context.state.logicHits = hitLogicElements(context.circuit, work);
    context.state.blockHits = hitBlockElements(context.circuit, work);
}

// Shift + press: the lists stay alive as the drag until the button is released.
// On a chosen element the drag takes the whole group along.
void beginDrag(EditContext& context, Point pointer) {
    hitElements(context, rawWorkPoint(context, pointer));
    beginGroupDrag(context);
}

void changeUnderPointer(EditContext& context, Point pointer) {
    hitElements(context, rawWorkPoint(context, pointer));
    if (exactlyOneElement(context.state)) {
        if (context.state.logicHits) {
            changeLogicElement(context, context.state.logicHits->first());
        } else {
            changeBlockElement(context, context.state.blockHits->first());
        }
    }
    releaseLogicHits(context);
    releaseBlockHits(context);
}

// When the table is full the user is told so, and the element keeps following the pointer.
bool placePendingElement(EditContext& context) {
    EditState& state = context.state;
    if (state.pendingLogicElement) {
        if (!context.circuit.registerLogicElement(state.pendingLogicElement))
            reportTableFull(context.shell, text::kLogicTableFull);
        return true;
    }
    if (state.pendingBlockElement) {
        if (!context.circuit.registerBlockElement(state.pendingBlockElement))
            reportTableFull(context.shell, text::kBlockTableFull);
        return true;
    }
    return false;
}

void clickOnElement(EditContext& context, Point work) {
    EditState& state = context.state;
    const bool logic = state.logicHits.has_value();
    const int32_t slot = logic ? state.logicHits->first() : state.blockHits->first();
    // Wire ends and the pin dialog name the element by its own kind, not by its table.
    const ElementKind kind =
        logic ? context.circuit.logicElement(slot)->kind : context.circuit.blockElement(slot)->kind;
    if (!state.continuedEnd) {
        startOrFinishAtPin(context, kind, slot);
        if (state.wireInProgress) addBendPoint(context, *state.wireInProgress, 1, work);
        return;
    }
    const WireEndRef held = *state.continuedEnd;
    if (attachHeldEndToPin(context, kind, slot, held)) {
        state.continuedEnd.reset();
    } else {
        addBendPoint(context, held.wire, held.end, work);
    }
}

void clickBesideElements(EditContext& context, Point work) {
    EditState& state = context.state;

    const int32_t excluded = state.wireInProgress ? *state.wireInProgress
                             : state.continuedEnd ? state.continuedEnd->wire
                                                  : kNoExcludedWire;
    state.wireHits = hitWires(context.circuit, work, excluded);
    if (state.wireHits && state.wireHits->count() == 1) {
        const int32_t target = state.wireHits->first();
        if (state.wireInProgress) {
            if (joinWireEnd(context.circuit, *state.wireInProgress, 1, target))
                state.wireInProgress.reset();
        } else if (state.continuedEnd) {
            const WireEndRef held = *state.continuedEnd;
            if (joinWireEnd(context.circuit, held.wire, held.end, target))
                state.continuedEnd.reset();
        }
        return;
    }
    if (state.wireInProgress) {
        addBendPoint(context, *state.wireInProgress, 1, work);

    } else if (!state.continuedEnd) {
        // Picking up a free end adds no point.
        state.continuedEnd = findFreeWireEnd(context.circuit, work);
    } else {
        addBendPoint(context, state.continuedEnd->wire, state.continuedEnd->end, work);
    }
}

void plainClick(EditContext& context, Point pointer) {
    if (placePendingElement(context)) return;
    const Point work = snappedWorkPoint(context, pointer);
    hitElements(context, work);
    if (exactlyOneElement(context.state)) {
        clickOnElement(context, work);
    } else {
        clickBesideElements(context, work);
    }
    releaseLogicHits(context);
    releaseBlockHits(context);
    releaseWireHits(context);
}

}  // namespace

void OnLButtonDown(EditContext& context, uint32_t flags, Point point) {
    context.state.band.reset();
    if (context.state.pendingGroup) {
        placePendingGroup(context);
    } else if (flags & platform::MK_SHIFT) {
        beginDrag(context, point);
    } else if (flags & platform::MK_CONTROL) {
        changeUnderPointer(context, point);
    } else {
        const bool onEmptySpace = pressOnEmptySpace(context, point);
        plainClick(context, point);
        if (onEmptySpace) armBand(context, point);
    }
}

// The lists of the Shift press go without a repaint: the dragged element was never marked.
void OnLButtonUp(EditContext& context, uint32_t, Point) {
    context.state.logicHits.reset();
    context.state.blockHits.reset();
    context.state.groupDrag = false;
    endBand(context);
}

void OnLButtonDblClk(EditContext& context, uint32_t, Point) {
    if (context.state.wireInProgress) abandonWire(context);
    if (context.state.continuedEnd) putDownHeldEnd(context);
}

}  // namespace edit
