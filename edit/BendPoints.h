#pragma once
#include <cstdint>

#include "edit/EditContext.h"

namespace edit {

// Gives a wire without points its first two: end 0's position and a point 5 pixels
// outward from it (left of an input pin, right of an output pin).
void layStub(CWire& wire);

// Adds a rectilinear bend toward the work-area point on end 0 or 1 of the wire and
// repaints. A wire without points gets its stub instead. Along the dominant axis
// (vertical on a tie) the new corner either extends the run at that end or is added
// beyond it; on a two-point wire it stays outside the pin at the other end.
bool addBendPoint(EditContext& context, int32_t wireSlot, int32_t end, Point point);

}  // namespace edit
