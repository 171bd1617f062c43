#include "edit/Joining.h"

#include "edit/BendPoints.h"

namespace edit {
namespace {

void closeEndOne(CWire& wire) {
    std::vector<Point>& points = wire.points;
    const Point endPosition = wire.ends[1].position();
    const Point last = points.back();
    const Point corner{last.x, endPosition.y};
    const bool aligned = points.size() >= 2 && (points[points.size() - 2].y == endPosition.y ||
                                                points[points.size() - 2].x == last.x);
    if (aligned) {
        points.back() = corner;
    } else {
        wire.appendPoints(std::span(&corner, 1));
    }
    wire.appendPoints(std::span(&endPosition, 1));
}

void closeEndZero(CWire& wire) {
    std::vector<Point>& points = wire.points;
    const Point endPosition = wire.ends[0].position();
    const Point first = points.front();
    if (first.y == endPosition.y) {
        points.front() = endPosition;
        return;
    }
    const Point corner{first.x, endPosition.y};
    if (points[1].y == endPosition.y || points[1].x == first.x) {
        points.front() = corner;
    } else {
        points.insert(points.begin(), corner);
    }
    points.insert(points.begin(), endPosition);
}

}  // namespace

bool closeWireEnds(CCircuit& circuit, int32_t wireSlot) {
    CWire* wire = circuit.wire(wireSlot);
    if (!wire || wire->ends.size() < 2) return false;
    if (wire->points.empty()) layStub(*wire);
    closeEndOne(*wire);
    closeEndZero(*wire);
    return true;
}

bool linkWireToPins(CCircuit& circuit, int32_t wireSlot) {
    CWire* wire = circuit.wire(wireSlot);
    if (!wire) return false;
    for (size_t i = 0; i < wire->ends.size(); ++i) {
        const WireEnd& end = wire->ends[i];
        Pin* pin = circuit.linkedPin(end);
        if (!pin) continue;
        pin->connected = 1;
        pin->linkKind = kLinkWire;
        pin->wireIndex = wireSlot;
        pin->wireEnd = static_cast<int32_t>(i);
    }
    return closeWireEnds(circuit, wireSlot);
}

bool joinWireEnd(CCircuit& circuit, int32_t wireSlot, int32_t end, int32_t targetSlot) {
    CWire* target = circuit.wire(targetSlot);
    WireEnd* own = (end == 0 || end == 1) ? circuit.wireEnd(wireSlot, end) : nullptr;
    if (!target || !own || targetSlot == wireSlot || own->kind != kLinkNone) return false;
    const auto junction = static_cast<int32_t>(target->ends.size());
    target->ends.push_back({own->x, own->y, kLinkWire, wireSlot, end});
    own->kind = kLinkWire;
    own->index = targetSlot;
    own->slot = junction;
    return linkWireToPins(circuit, wireSlot);
}

}  // namespace edit
