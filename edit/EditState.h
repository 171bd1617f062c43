#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/BlockElement.h"
#include "model/Circuit.h"
#include "model/Geometry.h"
#include "model/LogicElement.h"

// One of a wire's own two ends.
struct WireEndRef {
    int32_t wire = 0;  // wire slot
    int32_t end = 0;   // 0 or 1
    friend bool operator==(const WireEndRef&, const WireEndRef&) = default;
};

// Table slots found under the pointer, in increasing order; never empty (a test
// that finds nothing gives no list at all).
struct HitList {
    std::vector<int32_t> slots;
    int32_t first() const { return slots.front(); }
    int32_t count() const { return static_cast<int32_t>(slots.size()); }
};

// Elements the user chose with the rubber band or "Выделить всё", by table slot in
// increasing order. The wires between them go with them (see groupWires).
struct Selection {
    std::vector<int32_t> logic;
    std::vector<int32_t> block;
    bool empty() const { return logic.empty() && block.empty(); }
    friend bool operator==(const Selection&, const Selection&) = default;
};

// A plain press on empty space: once the pointer has gone far enough with the
// button held, the rectangle from there to the pointer chooses elements. Both
// corners are work-area points as they are, off the grid.
struct RubberBand {
    Point anchor;
    Point pointer;
    bool drawn = false;
};

// What the main window remembers between mouse messages.
struct EditState {
    std::optional<WireEndRef> continuedEnd;  // a free end being continued
    std::unique_ptr<CBlockElement> pendingBlockElement;
    std::optional<HitList> logicHits;
    std::optional<HitList> blockHits;
    std::optional<HitList> wireHits;
    std::unique_ptr<CLogicElement> pendingLogicElement;
    std::optional<int32_t> wireInProgress;  // slot of the wire being drawn
    // Set when the user confirmed a change that may show only in levels or counts
    // (Ctrl + click: a flipped input signal or trigger, a generator set up again):
    // an action of its own although the power and the clock change those too.
    // Whoever keeps the history of actions clears it.
    bool elementChangedByUser = false;
    // Set when a flipped input signal or trigger settled the circuit, for the
    // window's recording of levels; the window clears it.
    bool toggleSettled = false;
    Selection selection;
    std::optional<RubberBand> band;
    // The Shift press hit a chosen element: the drag moves all of them.
    bool groupDrag = false;
    // A pasted group that follows the pointer until a left click places it: its
    // records in tables of their own, numbered from slot 0.
    std::unique_ptr<CCircuit> pendingGroup;
};

// An element or a pasted group waits to be placed, a wire is being drawn, a free end is held or an
// element is dragged: the circuit is in the middle of a user's action, and the
// editing state names table slots.
inline bool gestureUnderWay(const EditState& state) {
    return state.pendingLogicElement || state.pendingBlockElement || state.wireInProgress ||
           state.continuedEnd || state.logicHits || state.blockHits || state.wireHits ||
           state.pendingGroup;
}
