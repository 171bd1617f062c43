#include "edit/GroupGestures.h"

#include <algorithm>
#include <cstdlib>

#include "edit/Deletion.h"
#include "edit/GroupTransfer.h"
#include "edit/HitRelease.h"
#include "edit/HitTest.h"
#include "edit/MouseDispatch.h"
#include "edit/PointerGeometry.h"
#include "edit/Selection.h"
#include "platform/Shell.h"

namespace edit {
namespace {

// A band starts once the pointer is this far from the press, in work-area pixels,
// so that a click that wobbles stays a click at every zoom.
constexpr int32_t kBandThreshold = 4;

Rect bandRect(const RubberBand& band) {
    return {std::min(band.anchor.x, band.pointer.x), std::min(band.anchor.y, band.pointer.y),
            std::max(band.anchor.x, band.pointer.x), std::max(band.anchor.y, band.pointer.y)};
}

// An element waits to be placed, a wire is being drawn or a free end is held: the
// right click's own cases.
bool placingOrWiring(const EditState& state) {
    return state.pendingLogicElement || state.pendingBlockElement || state.wireInProgress ||
           state.continuedEnd;
}

std::optional<HitList> listOf(const std::vector<int32_t>& slots) {
    if (slots.empty()) return std::nullopt;
    return HitList{slots};
}

Point cornerOf(const EditContext& context, const EditState& state) {
    if (state.logicHits) {
        const CLogicElement* element = context.circuit.logicElement(state.logicHits->first());
        return {element->x, element->y};
    }
    const CBlockElement* element = context.circuit.blockElement(state.blockHits->first());
    return {element->x, element->y};
}

}  // namespace

bool pressOnEmptySpace(const EditContext& context, Point pointer) {
    const EditState& state = context.state;
    if (placingOrWiring(state)) return false;
    const Point work = snappedWorkPoint(context, pointer);
    const CCircuit& circuit = context.circuit;
    return !hitLogicElements(circuit, work) && !hitBlockElements(circuit, work) &&
           !hitWires(circuit, work, kNoExcludedWire) && !findFreeWireEnd(circuit, work);
}

void armBand(EditContext& context, Point pointer) {
    const Point work = rawWorkPoint(context, pointer);
    context.state.band = RubberBand{work, work, false};
}

bool followBand(EditContext& context, Point pointer) {
    std::optional<RubberBand>& band = context.state.band;
    if (!band) return false;
    band->pointer = rawWorkPoint(context, pointer);
    const int32_t dx = std::abs(band->pointer.x - band->anchor.x);
    const int32_t dy = std::abs(band->pointer.y - band->anchor.y);
    band->drawn = band->drawn || dx > kBandThreshold || dy > kBandThreshold;
    if (band->drawn) context.shell.invalidateWorkArea(true);
    return true;
}

void endBand(EditContext& context) {
    EditState& state = context.state;
    if (!state.band) return;
    const Selection chosen =
        state.band->drawn ? elementsInside(context.circuit, bandRect(*state.band)) : Selection{};
    const bool repaint = state.band->drawn || chosen != state.selection;
    state.selection = chosen;
    state.band.reset();
    if (repaint) context.shell.invalidateWorkArea(true);
}

std::vector<Rect> chosenRects(const CCircuit& circuit, const Selection& selection) {
    std::vector<Rect> rects;
    auto add = [&](const auto* element) {
        if (element)
            rects.push_back({element->x, element->y, element->x + element->width,
                             element->y + element->height});
    };
    for (int32_t slot : selection.logic) add(circuit.logicElement(slot));
    for (int32_t slot : selection.block) add(circuit.blockElement(slot));
    return rects;
}

std::optional<Rect> bandRect(const EditState& state) {
    if (!state.band || !state.band->drawn) return std::nullopt;
    return bandRect(*state.band);
}

void beginGroupDrag(EditContext& context) {
    EditState& state = context.state;
    const bool logic = state.logicHits.has_value();
    if (!logic && !state.blockHits) return;
    const int32_t slot = logic ? state.logicHits->first() : state.blockHits->first();
    const std::vector<int32_t>& chosen = logic ? state.selection.logic : state.selection.block;
    state.groupDrag = std::binary_search(chosen.begin(), chosen.end(), slot);
}

void dragGroup(EditContext& context, Point pointer) {
    const EditState& state = context.state;
    if (!state.logicHits && !state.blockHits) return;
    const Point corner = cornerOf(context, state);
    const Point work = snappedWorkPoint(context, pointer);
    const Point wanted{work.x - corner.x, work.y - corner.y};
    // A move within one grid step, or against the area's edge, leaves everything as it was.
    if (moveGroup(context.circuit, state.selection, wanted) != Point{})
        context.shell.invalidateWorkArea(true);
}

void beginPlacing(EditContext& context, CCircuit group, std::optional<Point> pointer) {
    if (group.isEmpty()) return;
    context.state.pendingGroup = std::make_unique<CCircuit>(std::move(group));
    if (pointer) {
        followPointerWithGroup(context, *pointer);
    } else {
        context.shell.invalidateWorkArea(true);
    }
}

void followPointerWithGroup(EditContext& context, Point pointer) {
    CCircuit& group = *context.state.pendingGroup;
    const Selection elements = wholeGroup(group);
    const std::vector<int32_t> wires = everyWire(group);
    const Point corner = elementsCorner(group, elements);
    const Point work = snappedWorkPoint(context, pointer);
    const Point move =
        allowedMove(groupBounds(group, elements, wires), {work.x - corner.x, work.y - corner.y});
    translateRecords(group, elements, wires, move);
    context.shell.invalidateWorkArea(true);
}

void placePendingGroup(EditContext& context) {
    EditState& state = context.state;
    if (std::optional<Selection> placed = placeGroup(context, *state.pendingGroup)) {
        state.selection = std::move(*placed);
        state.pendingGroup.reset();
        context.shell.invalidateWorkArea(true);
    }
}

bool canCancel(const EditState& state) {
    return state.pendingGroup || state.band || placingOrWiring(state) || !state.selection.empty();
}

void cancelUnderWay(EditContext& context) {
    EditState& state = context.state;
    if (state.pendingGroup || state.band) {
        state.pendingGroup.reset();
        state.band.reset();
    } else if (placingOrWiring(state)) {
        // The right click's own cases before the one that deletes under the pointer.
        OnRButtonDown(context, 0, {});
        return;
    } else {
        state.selection = {};
    }
    context.shell.invalidateWorkArea(true);
}

bool deleteSelection(EditContext& context, bool ask, Point anchor) {
    EditState& state = context.state;
    CCircuit& circuit = context.circuit;
    const std::vector<int32_t> wires = groupWires(circuit, state.selection);
    state.logicHits = listOf(state.selection.logic);
    state.blockHits = listOf(state.selection.block);
    state.wireHits = listOf(wires);
    if (!state.logicHits && !state.blockHits) return false;
    bool confirmed = true;
    if (ask) {
        for (int32_t slot : state.selection.logic)
            circuit.logicElement(slot)->drawState = kDrawStateDisabled;
        for (int32_t slot : state.selection.block)
            circuit.blockElement(slot)->drawState = kDrawStateDisabled;
        for (int32_t slot : wires) circuit.wire(slot)->highlighted = 1;
        context.shell.invalidateWorkArea(true);
        confirmed = context.shell.deleteConfirmDialog(anchor.x, anchor.y);
    }
    if (confirmed) {
        for (int32_t slot : wires) deleteWire(context, slot);
        state.wireHits.reset();
        deleteListedElements(context);
        state.selection = {};
        context.shell.invalidateWorkArea(true);
    }
    releaseLogicHits(context);
    releaseBlockHits(context);
    releaseWireHits(context);
    return confirmed;
}

}  // namespace edit
