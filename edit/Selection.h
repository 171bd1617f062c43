#pragma once
#include <cstdint>
#include <vector>

#include "edit/EditState.h"
#include "model/Circuit.h"
#include "model/Geometry.h"

namespace edit {

// The wires that go with the chosen elements, in slot order: each of their own two
// ends sits on a pin of a chosen element or is joined onto another wire that goes
// with them.
std::vector<int32_t> groupWires(const CCircuit& circuit, const Selection& selection);

bool isSelected(const Selection& selection, ElementKind kind, int32_t slot);

// Every element whose whole rectangle lies in `work` (edges included).
Selection elementsInside(const CCircuit& circuit, const Rect& work);
Selection everyElement(const CCircuit& circuit);
std::vector<int32_t> everyWire(const CCircuit& circuit);
// Leaves out slots that hold no element any more.
void dropVanished(const CCircuit& circuit, Selection& selection);

// The smallest rectangle around the elements and the points and ends of the wires.
Rect groupBounds(const CCircuit& circuit, const Selection& selection,
                 const std::vector<int32_t>& wires);
// The top-left corner of the elements alone: the point a moved group is held by.
Point elementsCorner(const CCircuit& circuit, const Selection& selection);

// As much of `wanted` (multiples of 5) as keeps the group inside the work area.
Point allowedMove(const Rect& bounds, Point wanted);

// Moves the records by `delta`, every point and end of the wires included; no
// other record is touched.
void translateRecords(CCircuit& circuit, const Selection& selection,
                      const std::vector<int32_t>& wires, Point delta);

// Moves the chosen elements and the wires that go with them by `delta`, kept inside
// the work area. A wire to an element left behind keeps its points, and only its
// end on the moved pin follows, as when one element is dragged; a wire left behind
// that was joined onto a moved wire has its end follow the junction the same way.
// Returns the move made.
Point moveGroup(CCircuit& circuit, const Selection& selection, Point delta);

}  // namespace edit
