#pragma once
#include <cstdint>

#include "edit/EditContext.h"

namespace edit {

// A right click on the circuit, elements first: every element under the click
// (window coordinates, unsnapped) is greyed, and after the user confirms it is
// deleted; the wire ends that sat on its pins stay where they are as free ends.
// On Cancel the marks go. True when something was deleted.
bool deleteElementsUnderPointer(EditContext& context, Point click);

// Deletes every element that the hit lists name, and drops the lists; the wire
// ends on their pins become free ends. No repaint.
void deleteListedElements(EditContext& context);
// Then the wires: every wire through the snapped click is drawn thick, and after
// the user confirms it is deleted with all its connections.
bool deleteWiresUnderPointer(EditContext& context, Point click);

// Deletes the wire being drawn and repaints.
bool deleteWireInProgress(EditContext& context);

// Deletes a wire with all its connections: its pins are freed, its junction ends on
// other wires go, and the wires joined onto it keep a free end there. The editing
// state lets go of the wire. No repaint: the callers repaint.
bool deleteWire(EditContext& context, int32_t wireSlot);

}  // namespace edit
