#include "edit/Retraction.h"

#include "edit/GridWalk.h"
#include "edit/WireEnds.h"

namespace edit {
namespace {

constexpr int32_t kFirstJunction = 2;

void removeJunctionsAt(CCircuit& circuit, int32_t wireSlot, Point point) {
    for (int32_t position = kFirstJunction;;) {
        const WireEnd* record = circuit.wireEnd(wireSlot, position);
        if (!record) return;
        if (record->position() == point) {
            removeWireEnd(circuit, wireSlot, position);
        } else {
            ++position;
        }
    }
}

// The junction met first on the walk from `from` toward `to`, stopping before `to`;
// at one position the lowest record wins.
std::optional<Point> nearestJunction(const CWire& wire, Point from, Point to) {
    const GridWalk walk(from, to);
    std::optional<int64_t> nearestStep;
    std::optional<Point> nearest;
    for (size_t i = kFirstJunction; i < wire.ends.size(); ++i) {
        const std::optional<int64_t> step = walk.stepOf(wire.ends[i].position());
        if (!step || *step >= walk.stepCount()) continue;
        if (nearestStep && *nearestStep <= *step) continue;
        nearestStep = step;
        nearest = wire.ends[i].position();
    }
    return nearest;
}

}  // namespace

bool retractHeldEnd(CCircuit& circuit, int32_t wireSlot, int32_t end) {
    CWire* wire = circuit.wire(wireSlot);
    if (!wire || (end != 0 && end != 1) || wire->points.empty()) return false;
    std::vector<Point>& points = wire->points;
    const size_t n = points.size();
    // Points counted from the held end inward.
    auto fromEnd = [&](size_t i) -> Point& { return end == 1 ? points[n - 1 - i] : points[i]; };
    size_t repeated = 1;
    while (repeated < n && fromEnd(repeated) == fromEnd(repeated - 1)) ++repeated;
    const Point tip = fromEnd(repeated - 1);
    removeJunctionsAt(circuit, wireSlot, tip);
    const std::optional<Point> junction =
        repeated < n ? nearestJunction(*wire, tip, fromEnd(repeated)) : std::nullopt;
    if (junction) {
        for (size_t i = 0; i < repeated; ++i) fromEnd(i) = *junction;
    } else if (end == 1) {
        points.resize(n - repeated);
    } else {
        points.erase(points.begin(), points.begin() + static_cast<std::ptrdiff_t>(repeated));
    }
    return true;
}

}  // namespace edit
