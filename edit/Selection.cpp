#include "edit/Selection.h"

#include <algorithm>
#include <limits>

#include "edit/AttachedEnds.h"
#include "model/WorkAreaGeometry.h"

namespace edit {
namespace {

bool contains(const std::vector<int32_t>& slots, int32_t slot) {
    return std::binary_search(slots.begin(), slots.end(), slot);
}

// An own end that keeps the wire in the group, or that may, when it is joined onto
// another wire: that wire has to stay in the group too.
enum class EndHold { Element, Junction, None };

EndHold holdOf(const CCircuit& circuit, const Selection& selection, const WireEnd& end) {
    if (end.kind == kLinkWire) return EndHold::Junction;
    const std::optional<ElementKind> kind = end.kind.elementKind();
    if (!kind || !circuit.linkedPin(end) || !isSelected(selection, *kind, end.index))
        return EndHold::None;
    return EndHold::Element;
}

template <typename Table>
void addInside(const Table& table, const Rect& work, std::vector<int32_t>& slots) {
    for (const auto& element : table) {
        if (element && element->x >= work.left && element->y >= work.top &&
            element->x + element->width <= work.right &&
            element->y + element->height <= work.bottom)
            slots.push_back(element->index);
    }
}

template <typename Table>
void addEvery(const Table& table, std::vector<int32_t>& slots) {
    for (const auto& element : table)
        if (element) slots.push_back(element->index);
}

template <typename Table>
void keepLive(const Table& table, std::vector<int32_t>& slots) {
    std::erase_if(slots, [&](int32_t slot) {
        return slot < 0 || slot >= static_cast<int32_t>(table.size()) ||
               !table[static_cast<size_t>(slot)];
    });
}

struct Bounds {
    int32_t left = std::numeric_limits<int32_t>::max();
    int32_t top = std::numeric_limits<int32_t>::max();
    int32_t right = std::numeric_limits<int32_t>::min();
    int32_t bottom = std::numeric_limits<int32_t>::min();
    void add(Point p) { add(p.x, p.y, p.x, p.y); }
    void add(int32_t l, int32_t t, int32_t r, int32_t b) {
        left = std::min(left, l);
        top = std::min(top, t);
        right = std::max(right, r);
        bottom = std::max(bottom, b);
    }
    Rect rect() const { return left > right ? Rect{} : Rect{left, top, right, bottom}; }
};

template <typename Element>
void addElement(Bounds& bounds, const Element* element) {
    if (element)
        bounds.add(element->x, element->y, element->x + element->width,
                   element->y + element->height);
}

template <typename Element>
void shift(Element* element, Point delta) {
    if (element) element->setPosition(element->x + delta.x, element->y + delta.y);
}

// Ends of wires left behind that sit on a junction of a moved wire follow it.
void followJunctions(CCircuit& circuit, const std::vector<int32_t>& wires) {
    for (int32_t slot : wires) {
        const CWire* wire = circuit.wire(slot);
        for (size_t k = 2; k < wire->ends.size(); ++k) {
            const WireEnd& junction = wire->ends[k];
            if (junction.kind != kLinkWire || contains(wires, junction.index)) continue;
            WireEnd* partner = circuit.wireEnd(junction.index, junction.slot);
            if (partner && partner->kind == kLinkWire && partner->index == slot &&
                partner->slot == static_cast<int32_t>(k)) {
                partner->x = junction.x;
                partner->y = junction.y;
            }
        }
    }
}

}  // namespace

bool isSelected(const Selection& selection, ElementKind kind, int32_t slot) {
    return contains(isLogicTableKind(kind) ? selection.logic : selection.block, slot);
}

std::vector<int32_t> groupWires(const CCircuit& circuit, const Selection& selection) {
    std::vector<int32_t> wires;
    if (selection.empty()) return wires;
    for (const auto& wire : circuit.wires) {
        if (!wire || wire->ends.size() < 2) continue;
        const EndHold start = holdOf(circuit, selection, wire->ends[0]);
        const EndHold finish = holdOf(circuit, selection, wire->ends[1]);
        if (start != EndHold::None && finish != EndHold::None) wires.push_back(wire->index);
    }
    // A wire joined onto one that left the group leaves it too, until none does.
    for (bool dropped = true; dropped;) {
        dropped = false;
        std::erase_if(wires, [&](int32_t slot) {
            const CWire* wire = circuit.wire(slot);
            for (int end = 0; end < 2; ++end) {
                const WireEnd& own = wire->ends[static_cast<size_t>(end)];
                if (own.kind == kLinkWire && (own.index == slot || !contains(wires, own.index)))
                    return dropped = true;
            }
            return false;
        });
    }
    return wires;
}

Selection elementsInside(const CCircuit& circuit, const Rect& work) {
    Selection inside;
    addInside(circuit.logicElements, work, inside.logic);
    addInside(circuit.blockElements, work, inside.block);
    return inside;
}

Selection everyElement(const CCircuit& circuit) {
    Selection every;
    addEvery(circuit.logicElements, every.logic);
    addEvery(circuit.blockElements, every.block);
    return every;
}

std::vector<int32_t> everyWire(const CCircuit& circuit) {
    std::vector<int32_t> wires;
    addEvery(circuit.wires, wires);
    return wires;
}

void dropVanished(const CCircuit& circuit, Selection& selection) {
    keepLive(circuit.logicElements, selection.logic);
    keepLive(circuit.blockElements, selection.block);
}

Rect groupBounds(const CCircuit& circuit, const Selection& selection,
                 const std::vector<int32_t>& wires) {
    Bounds bounds;
    for (int32_t slot : selection.logic) addElement(bounds, circuit.logicElement(slot));
    for (int32_t slot : selection.block) addElement(bounds, circuit.blockElement(slot));
    for (int32_t slot : wires) {
        const CWire* wire = circuit.wire(slot);
        for (const Point& p : wire->points) bounds.add(p);
        for (const WireEnd& end : wire->ends) bounds.add(end.position());
    }
    return bounds.rect();
}

Point elementsCorner(const CCircuit& circuit, const Selection& selection) {
    const Rect corner = groupBounds(circuit, selection, {});
    return {corner.left, corner.top};
}

Point allowedMove(const Rect& bounds, Point wanted) {
    // Within the area when it fits there; a group wider than the area stays put.
    auto along = [](int32_t low, int32_t high, int32_t move) {
        const int32_t least = truncateToGrid(-low);
        const int32_t most = truncateToGrid(kWorkAreaSize - high);
        if (least > most) return 0;
        return std::clamp(move, least, most);
    };
    return {along(bounds.left, bounds.right, wanted.x), along(bounds.top, bounds.bottom, wanted.y)};
}

void translateRecords(CCircuit& circuit, const Selection& selection,
                      const std::vector<int32_t>& wires, Point delta) {
    for (int32_t slot : selection.logic) shift(circuit.logicElement(slot), delta);
    for (int32_t slot : selection.block) shift(circuit.blockElement(slot), delta);
    for (int32_t slot : wires) {
        CWire* wire = circuit.wire(slot);
        for (Point& p : wire->points) p = {p.x + delta.x, p.y + delta.y};
        for (WireEnd& end : wire->ends) {
            end.x += delta.x;
            end.y += delta.y;
        }
    }
}

Point moveGroup(CCircuit& circuit, const Selection& selection, Point delta) {
    const std::vector<int32_t> wires = groupWires(circuit, selection);
    const Point move = allowedMove(groupBounds(circuit, selection, wires), delta);
    if (move == Point{}) return move;
    translateRecords(circuit, selection, wires, move);
    for (int32_t slot : selection.logic)
        if (const CLogicElement* element = circuit.logicElement(slot))
            moveAttachedEnds(circuit, *element);
    for (int32_t slot : selection.block)
        if (const CBlockElement* element = circuit.blockElement(slot))
            moveAttachedEnds(circuit, *element);
    followJunctions(circuit, wires);
    return move;
}

}  // namespace edit
