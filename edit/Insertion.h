#pragma once
#include <optional>

#include "edit/EditContext.h"
#include "model/ElementKind.h"
#include "model/Geometry.h"

namespace edit {

// The insert commands of the "&Выбрать" menu, one per kind. Each creates a new
// element that follows the pointer until a left click places it; one element per
// table can be waiting, and a command for a table that already has one creates
// nothing. A gate's and a generator's command ask for their parameters first.
//
// `pointer` is where the pointer is, in client coordinates, when it is over the
// work area: the new element starts there, on the grid. Without it the element
// starts at the top-left corner of the visible work area.
void insertElement(EditContext& context, ElementKind kind, std::optional<Point> pointer);

// Where a pending element is drawn: its rectangle in client coordinates.
template <typename Element>
Rect clientRect(const Element& element, const Viewport& view) {
    return view.toClientRect(
        Rect{element.x, element.y, element.x + element.width, element.y + element.height});
}

}  // namespace edit
