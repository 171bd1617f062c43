#pragma once
#include <cstdint>

#include "edit/EditContext.h"

namespace edit {

// A click on one element while no free end is held: asks for a pin, then starts a
// new wire there (end 0 on the pin, end 1 free) or finishes the wire in progress on
// it. Finishing on the very pin the wire started from deletes the wire. True when a
// wire was started or finished.
bool startOrFinishAtPin(EditContext& context, ElementKind kind, int32_t slot);

// A click on one element while a free end is held: asks for a pin and attaches the
// held end to it. True when attached; the caller then lets go of the end.
bool attachHeldEndToPin(EditContext& context, ElementKind kind, int32_t slot, WireEndRef held);

// Double click while drawing: the wire stays, linked at its start, with end 1 free
// where the pointer left it.
bool abandonWire(EditContext& context);

// Double click while holding a free end: the polyline is closed to it and the end
// is let go.
bool putDownHeldEnd(EditContext& context);

}  // namespace edit
