#include "edit/BendPoints.h"

#include <cstdlib>

#include "model/LogicElement.h"
#include "platform/Shell.h"

namespace edit {
namespace {

constexpr int32_t kStubLength = 5;

// The next corner from `tip` toward the point, along the axis with the larger
// distance; a tie goes vertical.
Point dominantAxisCorner(Point tip, Point point) {
    const int64_t dx = std::abs(int64_t{tip.x} - point.x);
    const int64_t dy = std::abs(int64_t{tip.y} - point.y);
    return dx > dy ? Point{point.x, tip.y} : Point{tip.x, point.y};
}

// A two-point wire must not fold back over the pin at its other end: the corner is
// kept a stub's length outside that pin's column.
Point keepOutsideOtherPin(Point corner, Point other, int32_t otherPin, int32_t y) {
    if (otherPin < kFirstOutputPin) {
        if (corner.x >= other.x) return {other.x - kStubLength, y};
    } else if (corner.x <= other.x) {
        return {other.x + kStubLength, y};
    }
    return corner;
}

}  // namespace

void layStub(CWire& wire) {
    const WireEnd start = wire.ends.empty() ? WireEnd{} : wire.ends[0];
    const int32_t outward = start.slot < kFirstOutputPin ? -kStubLength : kStubLength;
    wire.points = {start.position(), {start.x + outward, start.y}};
}

bool addBendPoint(EditContext& context, int32_t wireSlot, int32_t end, Point point) {
    CWire* wire = context.circuit.wire(wireSlot);
    if (!wire || (end != 0 && end != 1)) return false;
    if (wire->points.empty()) {
        layStub(*wire);
        context.shell.invalidateWorkArea(true);
        return true;
    }
    const Point target{truncateToGrid(point.x), truncateToGrid(point.y)};
    std::vector<Point>& points = wire->points;
    const size_t n = points.size();
    const size_t tipIndex = end == 1 ? n - 1 : 0;
    Point corner = dominantAxisCorner(points[tipIndex], target);
    if (n == 2 && wire->ends.size() >= 2) {
        const size_t otherEnd = end == 1 ? 0 : 1;
        corner = keepOutsideOtherPin(corner, points[otherEnd], wire->ends[otherEnd].slot, target.y);
    }
    // A one-point wire from a file has no neighbour: the corner is always added.
    const bool aligned = n >= 2 && [&] {
        const Point neighbour = points[end == 1 ? n - 2 : 1];
        return corner.x == neighbour.x || corner.y == neighbour.y;
    }();
    if (aligned) {
        points[tipIndex] = corner;
    } else if (end == 1) {
        wire->appendPoints(std::span(&corner, 1));
    } else {
        points.insert(points.begin(), corner);
    }
    context.shell.invalidateWorkArea(true);
    return true;
}

}  // namespace edit
