#include "edit/HitTest.h"

#include "edit/GridWalk.h"

namespace edit {
namespace {

template <typename Element>
bool contains(const Element& element, Point p) {
    const int64_t px = p.x, py = p.y;
    return element.x <= px && px <= int64_t{element.x} + element.width && element.y <= py &&
           py <= int64_t{element.y} + element.height;
}

template <typename Table>
std::optional<HitList> hitElements(const Table& table, Point point) {
    HitList hits;
    for (size_t slot = 0; slot < table.size(); ++slot) {
        if (table[slot] && contains(*table[slot], point))
            hits.slots.push_back(static_cast<int32_t>(slot));
    }
    if (hits.slots.empty()) return std::nullopt;
    return hits;
}

// How many times the point is a hit on the wire: once per segment holding it.
int wireHitCount(const CWire& wire, Point point) {
    const size_t pointCount = wire.points.size();
    if (pointCount < 2) return 0;
    int count = 0;
    for (size_t j = 0; j + 1 < pointCount; ++j) {
        const GridWalk walk(wire.points[j], wire.points[j + 1]);
        const std::optional<int64_t> step = walk.stepOf(point);
        if (!step) continue;
        // The wire's first point and the last two grid points are cut off.
        const int64_t first = j == 0 ? 1 : 0;
        const int64_t stop = j + 2 == pointCount ? walk.stepCount() - 1 : walk.stepCount();
        if (*step >= first && *step < stop) ++count;
    }
    return count;
}

bool nearEnd(const WireEnd& end, Point p) {
    const int64_t px = p.x, py = p.y;
    return int64_t{end.x} - 2 <= px && px < int64_t{end.x} + 3 && int64_t{end.y} - 2 <= py &&
           py < int64_t{end.y} + 3;
}

}  // namespace

std::optional<HitList> hitLogicElements(const CCircuit& circuit, Point point) {
    return hitElements(circuit.logicElements, point);
}

std::optional<HitList> hitBlockElements(const CCircuit& circuit, Point point) {
    return hitElements(circuit.blockElements, point);
}

std::optional<HitList> hitWires(const CCircuit& circuit, Point point, int32_t excludedWire) {
    HitList hits;
    for (int32_t slot = 0; slot < CCircuit::kWireSlots; ++slot) {
        const CWire* wire = circuit.wire(slot);
        if (!wire || slot == excludedWire) continue;
        const int count = wireHitCount(*wire, point);
        hits.slots.insert(hits.slots.end(), static_cast<size_t>(count), slot);
    }
    if (hits.slots.empty()) return std::nullopt;
    return hits;
}

std::optional<WireEndRef> findFreeWireEnd(const CCircuit& circuit, Point point) {
    for (int32_t slot = 0; slot < CCircuit::kWireSlots; ++slot) {
        const CWire* wire = circuit.wire(slot);
        if (!wire) continue;
        for (int32_t end = 0; end < 2 && end < static_cast<int32_t>(wire->ends.size()); ++end) {
            const WireEnd& record = wire->ends[static_cast<size_t>(end)];
            if (record.kind == kLinkNone && nearEnd(record, point)) return WireEndRef{slot, end};
        }
    }
    return std::nullopt;
}

}  // namespace edit
