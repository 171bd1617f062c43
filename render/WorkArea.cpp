#include "render/WorkArea.h"

namespace render {

void paintWorkArea(platform::Canvas& canvas, CCircuit& circuit, const EditState& edit,
                   ScrollOffsets scroll, bool powerOn) {
    // The item that follows the pointer lies under everything registered; a pending
    // element shows no levels. The wire in progress is registered, so the wire table
    // draws it once more.
    if (edit.pendingLogicElement) {
        edit.pendingLogicElement->draw(canvas, scroll.x, scroll.y, false);
    } else if (edit.pendingBlockElement) {
        edit.pendingBlockElement->draw(canvas, scroll.x, scroll.y, false);
    } else if (edit.wireInProgress) {
        if (const CWire* wire = circuit.wire(*edit.wireInProgress)) {
            wire->draw(canvas, scroll.x, scroll.y);
        }
    }
    for (const auto& element : circuit.logicElements) {
        if (element) element->draw(canvas, scroll.x, scroll.y, powerOn);
    }
    for (const auto& element : circuit.blockElements) {
        if (element) element->draw(canvas, scroll.x, scroll.y, powerOn);
    }
    for (const auto& wire : circuit.wires) {
        if (wire) wire->draw(canvas, scroll.x, scroll.y);
    }
}

}  // namespace render
