#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "edit/EditContext.h"
#include "model/Circuit.h"
#include "model/Geometry.h"

// The gestures on a group of elements, which use only what no other gesture uses:
// a plain drag that starts on empty space with nothing under way, a Shift drag on
// a chosen element, and a pasted group that follows the pointer.
namespace edit {

// Before a plain press is handled: whether it falls on empty space (no element, no
// wire, no free end in reach) with nothing under way, where a rubber band may start.
bool pressOnEmptySpace(const EditContext& context, Point pointer);
// After the press on empty space: the band waits for the pointer to go far enough.
void armBand(EditContext& context, Point pointer);
// The band's corner follows the pointer; true when the band took the movement.
bool followBand(EditContext& context, Point pointer);
// The release: a band chooses the elements wholly inside it, a click on empty space
// chooses none.
void endBand(EditContext& context);

// What the paint frames: each chosen element's rectangle, and the band once drawn
// (work-area coordinates).
std::vector<Rect> chosenRects(const CCircuit& circuit, const Selection& selection);
std::optional<Rect> bandRect(const EditState& state);

// A Shift press that hit a chosen element: the drag will move the whole group.
void beginGroupDrag(EditContext& context);
// The pressed element's corner jumps to the pointer as a dragged element's does,
// and the rest of the group keeps its place beside it.
void dragGroup(EditContext& context, Point pointer);

// A pasted group starts to follow the pointer (client coordinates) or, without one,
// waits where it was copied from.
void beginPlacing(EditContext& context, CCircuit group, std::optional<Point> pointer);
void followPointerWithGroup(EditContext& context, Point pointer);
// The left click that puts the pasted group down: it becomes the chosen elements.
// With a table too full it stays, following the pointer.
void placePendingGroup(EditContext& context);

// Whether Escape has something to cancel, and cancelling it: a pasted group or a
// rubber band is dropped; a pending element, the wire being drawn or a held end is
// served as a right click would serve it, without deleting anything under the
// pointer; at rest the choice of elements is let go.
bool canCancel(const EditState& state);
void cancelUnderWay(EditContext& context);

// Deleting the chosen elements with the wires that go with them, after the
// confirmation (opened at `anchor`, client coordinates) when `ask`. The wires to
// elements left behind keep a free end where the pin was. True when deleted.
bool deleteSelection(EditContext& context, bool ask, Point anchor);

}  // namespace edit
