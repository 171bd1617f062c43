#pragma once
#include "model/Circuit.h"

namespace edit {

// Puts every wire end attached to the element's pins on that pin's anchor, so the
// wires follow a moved or rebuilt element. Only the end records move, not the
// points. An end that does not name the pin back is left alone.
template <typename Element>
void moveAttachedEnds(CCircuit& circuit, const Element& element) {
    for (int p = 0; p < kPinCount; ++p) {
        const Pin& pin = element.pins[static_cast<size_t>(p)];
        if (!pin.connected) continue;
        WireEnd* end = circuit.wireEnd(pin.wireIndex, pin.wireEnd);
        if (!end || end->kind != element.kind || end->index != element.index || end->slot != p)
            continue;
        const Point offset = element.pinOffset(p);
        end->x = element.x + offset.x;
        end->y = element.y + offset.y;
    }
}

}  // namespace edit
