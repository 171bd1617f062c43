#include "render/WorkArea.h"

#include "render/GroupDrawing.h"
#include "render/RecordDrawing.h"
#include "render/WireLayer.h"

namespace render {
namespace {
// A wire has no level when no levels are given or they do not reach its slot.
WireLevel levelOf(const WireLevels& levels, size_t slot) {
    return slot < levels.size() ? levels[slot] : WireLevel::None;
}
}  // namespace

void paintWorkArea(platform::Canvas& canvas, const CCircuit& circuit, const PointerItems& following,
                   const Viewport& view, bool powerOn, const Rect& visible,
                   const WireLevels& wireLevels) {
    // The item that follows the pointer lies under everything registered; a pending
    // element shows no levels. The wire in progress is registered, so the wire table
    // draws it once more. All wires of the paint share one limit on their work.
    CWireLayer wires(canvas, view, visible);
    if (following.pendingLogicElement) {
        draw(canvas, *following.pendingLogicElement, view, false);
    } else if (following.pendingBlockElement) {
        draw(canvas, *following.pendingBlockElement, view, false);
    } else if (following.wireInProgress) {
        if (const CWire* wire = circuit.wire(*following.wireInProgress)) {
            wires.draw(*wire, levelOf(wireLevels, static_cast<size_t>(*following.wireInProgress)));
            wires.finish();
        }
    }
    for (const auto& element : circuit.logicElements) {
        if (element) draw(canvas, *element, view, powerOn);
    }
    for (const auto& element : circuit.blockElements) {
        if (element) draw(canvas, *element, view, powerOn);
    }
    auto chosenWire = following.chosenWires.begin();
    for (size_t slot = 0; slot < circuit.wires.size(); ++slot) {
        const CWire* wire = circuit.wires[slot].get();
        const bool chosen =
            chosenWire != following.chosenWires.end() && *chosenWire == static_cast<int32_t>(slot);
        if (chosen) ++chosenWire;
        if (wire) wires.draw(*wire, levelOf(wireLevels, slot), chosen);
    }
    wires.finish();
    if (following.pendingGroup) drawPendingGroup(canvas, *following.pendingGroup, view, visible);
    drawChoiceFrames(canvas, following.chosen, following.band, view);
}

}  // namespace render
