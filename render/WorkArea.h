#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "model/Circuit.h"
#include "model/Viewport.h"
#include "model/WireLevel.h"

namespace platform {
class Canvas;
}

namespace render {

// What follows the pointer while a gesture is under way: a pending element of
// either table, or the wire being drawn (a wire slot).
struct PointerItems {
    const CLogicElement* pendingLogicElement = nullptr;
    const CBlockElement* pendingBlockElement = nullptr;
    std::optional<int32_t> wireInProgress;
    // A pasted group waiting to be put down, drawn over the circuit.
    const CCircuit* pendingGroup = nullptr;
    // The chosen elements' rectangles and the rubber band, work-area coordinates,
    // framed over everything else, and the wires that go with them (slots upward).
    std::vector<Rect> chosen;
    std::optional<Rect> band;
    std::vector<int32_t> chosenWires;
};

// Paints the work area in layer order: the one item that follows the pointer
// (pending logic element, else pending block element, else the wire in progress),
// then the logic-element, block and wire tables, slots upward.
// `visible` is the part of the client area that can show (the caller knows its
// size); wires leave out what cannot touch it. With `wireLevels` (by wire slot)
// each wire is drawn in the colour of its level, as the output digits are.
void paintWorkArea(platform::Canvas& canvas, const CCircuit& circuit, const PointerItems& following,
                   const Viewport& view, bool powerOn, const Rect& visible,
                   const WireLevels& wireLevels = {});

}  // namespace render
