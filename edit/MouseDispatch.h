#pragma once
#include <cstdint>

#include "edit/EditContext.h"
#include "model/Geometry.h"

namespace edit {

// The five mouse messages of the work area. `flags` holds the key-state bits
// (platform::MK_LBUTTON, MK_SHIFT, MK_CONTROL) and `point` the pointer in client
// coordinates. Each message reads the editing state in a fixed order and hands the
// gesture to the operation that performs it.

// Shift: picks up the elements under the pointer for a drag. Ctrl: changes the one
// element under the pointer. Otherwise: places a pending element, or starts,
// bends, finishes, joins or continues a wire.
void OnLButtonDown(EditContext& context, uint32_t flags, Point point);

// Moves a pending element or the dragged wire end with the pointer, or, during a
// drag, the element picked up by the Shift press with its wire ends.
void OnMouseMove(EditContext& context, uint32_t flags, Point point);

// Ends a drag.
void OnLButtonUp(EditContext& context, uint32_t flags, Point point);

// Leaves the wire being drawn with a free end, or puts a held end down. The first
// press of the double click has already been handled as a press.
void OnLButtonDblClk(EditContext& context, uint32_t flags, Point point);

// Discards a pending element, takes back the last bend of the wire being drawn or
// of a held end, or deletes what lies under the pointer.
void OnRButtonDown(EditContext& context, uint32_t flags, Point point);

}  // namespace edit
