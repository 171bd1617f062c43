#pragma once
#include "edit/EditState.h"
#include "model/Circuit.h"

namespace platform {
class Canvas;
}

namespace render {

// Paints the work area in layer order: the one item that follows the pointer
// (pending logic element, else pending block element, else the wire in progress),
// then the logic-element, block and wire tables, slots upward. Block elements draw
// non-const because an input signal or generator refreshes its body bitmap.
void paintWorkArea(platform::Canvas& canvas, CCircuit& circuit, const EditState& edit,
                   ScrollOffsets scroll, bool powerOn);

}  // namespace render
