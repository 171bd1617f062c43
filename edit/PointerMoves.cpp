#include <algorithm>

#include "edit/AttachedEnds.h"
#include "edit/GroupGestures.h"
#include "edit/Insertion.h"
#include "edit/MouseDispatch.h"
#include "edit/PointerGeometry.h"
#include "platform/Shell.h"

namespace edit {
namespace {

// The rubber band reaches this far around the stretch it repaints.
constexpr int32_t kRubberBandMargin = 50;

Rect unionOf(const Rect& a, const Rect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// Repaints where the element was and where it is now. The element is drawn at the
// snapped pointer, up to 2 pixels left of or above the pointer itself, so the new
// rectangle is taken from the element rather than from the pointer.
template <typename Element>
void followPointer(EditContext& context, Element& element, Point pointer) {
    const Rect before = clientRect(element, context.viewport);
    const Point work = snappedWorkPoint(context, pointer);
    element.setPosition(work.x, work.y);
    context.shell.invalidateRect(unionOf(before, clientRect(element, context.viewport)), true);
}

// The free end of the wire being drawn, or of a held wire, follows the pointer. The
// repainted rectangle spans the wire's point at that end, where the end was and the
// pointer, so the stretch drawn to the old position is wiped too.
void dragWireEnd(EditContext& context, WireEndRef ref, Point pointer) {
    CWire* wire = context.circuit.wire(ref.wire);
    WireEnd* end = context.circuit.wireEnd(ref.wire, ref.end);
    if (!wire || !end || (ref.end != 0 && ref.end != 1)) return;
    const Point before = context.viewport.toClient(end->position());
    const Point work = snappedWorkPoint(context, pointer);
    end->x = truncateToGrid(work.x);
    end->y = truncateToGrid(work.y);
    if (wire->points.empty()) {
        context.shell.invalidateWorkArea(true);
        return;
    }
    const Point anchor =
        context.viewport.toClient(ref.end == 1 ? wire->points.back() : wire->points.front());
    const auto [left, right] = std::minmax({anchor.x, pointer.x, before.x});
    const auto [top, bottom] = std::minmax({anchor.y, pointer.y, before.y});
    const int32_t margin = context.viewport.clientExtent(kRubberBandMargin);
    context.shell.invalidateRect({left - margin, top - margin, right + margin, bottom + margin},
                                 true);
}

template <typename Element>
void moveWithWires(EditContext& context, Element* element, Point pointer) {
    if (!element) return;
    const Point work = snappedWorkPoint(context, pointer);
    element->setPosition(work.x, work.y);
    moveAttachedEnds(context.circuit, *element);
    context.shell.invalidateWorkArea(true);
}

// The logic element wins over a block element, the lowest slot over the others.
void dragElement(EditContext& context, Point pointer) {
    const EditState& state = context.state;
    if (state.logicHits) {
        const int32_t slot = state.logicHits->first();
        moveWithWires(context, context.circuit.logicElement(slot), pointer);
    } else if (state.blockHits) {
        const int32_t slot = state.blockHits->first();
        moveWithWires(context, context.circuit.blockElement(slot), pointer);
    }
}

}  // namespace

void OnMouseMove(EditContext& context, uint32_t flags, Point point) {
    EditState& state = context.state;
    if (state.pendingGroup) {
        followPointerWithGroup(context, point);
    } else if (state.pendingLogicElement) {
        followPointer(context, *state.pendingLogicElement, point);
    } else if (state.pendingBlockElement) {
        followPointer(context, *state.pendingBlockElement, point);
    } else if (state.wireInProgress) {
        dragWireEnd(context, {*state.wireInProgress, 1}, point);
    } else if (state.continuedEnd) {
        dragWireEnd(context, *state.continuedEnd, point);
    } else if ((flags & platform::MK_LBUTTON) && followBand(context, point)) {
        // A press on empty space draws the band, which nothing else there does.
    } else if (flags & (platform::MK_LBUTTON | platform::MK_SHIFT)) {
        // The drag goes on with either the button or Shift still down.
        if (state.groupDrag) {
            dragGroup(context, point);
        } else {
            dragElement(context, point);
        }
    }
}

}  // namespace edit
