#pragma once
#include <optional>

#include "edit/EditContext.h"
#include "edit/EditState.h"
#include "model/Geometry.h"
#include "model/Grid.h"

namespace edit {

// The pointer (client coordinates) in work-area coordinates, as it is.
inline Point rawWorkPoint(const EditContext& context, Point pointer) {
    return context.viewport.toWorkArea(pointer);
}

// The pointer in work-area coordinates on the grid; the scroll offsets are
// multiples of 5, so the grid of the work area and of the picture are one.
inline Point snappedWorkPoint(const EditContext& context, Point pointer) {
    return context.viewport.toSnappedWorkArea(pointer);
}

// True when exactly one element lies under the pointer, in either table. Overlapping
// elements count as none.
inline bool exactlyOneElement(const EditState& state) {
    const int32_t logic = state.logicHits ? state.logicHits->count() : 0;
    const int32_t block = state.blockHits ? state.blockHits->count() : 0;
    return logic + block == 1;
}

}  // namespace edit
