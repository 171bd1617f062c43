#include "app/CircuitSnapshot.h"

#include "sim/Simulation.h"

namespace app {
namespace {

// What the allocator adds to every block it hands out (its header and rounding).
constexpr size_t kAllocationOverhead = 16;

void clearLevels(Pins& pins) {
    for (Pin& pin : pins) pin.value = 0;
}

CLogicElement withoutLevels(CLogicElement element) {
    clearLevels(element.pins);
    return element;
}

CBlockElement withoutLevels(CBlockElement element) {
    clearLevels(element.pins);
    element.latchedJ = 0;
    element.clockArmed = 0;
    element.latchedK = 0;
    element.tickCounter = 0;
    return element;
}

// Most records are the same to the last level; only the others are copied to be
// compared without their levels.
template <typename Element>
bool sameApartFromLevels(const Element& a, const Element& b) {
    return a == b || withoutLevels(a) == withoutLevels(b);
}

// A wire carries no level of its own.
bool sameApartFromLevels(const CWire& a, const CWire& b) {
    return a == b;
}

template <typename Table>
bool tablesDiffer(const Table& a, const Table& b) {
    for (size_t slot = 0; slot < a.size(); ++slot) {
        if (!a[slot] != !b[slot]) return true;
        if (a[slot] && !sameApartFromLevels(*a[slot], *b[slot])) return true;
    }
    return false;
}

template <typename Record>
size_t recordBytes(const Record&) {
    return sizeof(Record) + kAllocationOverhead;
}

size_t recordBytes(const CWire& wire) {
    return sizeof(CWire) + wire.points.capacity() * sizeof(Point) +
           wire.ends.capacity() * sizeof(WireEnd) + 3 * kAllocationOverhead;
}

template <typename Table>
size_t tableBytes(const Table& table) {
    size_t bytes = 0;
    for (const auto& record : table)
        if (record) bytes += recordBytes(*record);
    return bytes;
}

}  // namespace

bool differApartFromLevels(const CCircuit& a, const CCircuit& b) {
    return tablesDiffer(a.logicElements, b.logicElements) ||
           tablesDiffer(a.blockElements, b.blockElements) || tablesDiffer(a.wires, b.wires);
}

// A settle writes only levels and latches, so any difference the copy shows is one.
bool settleWouldChangeLevels(const CCircuit& circuit, CCircuit& trial) {
    copyTablesInto(circuit, trial);
    // A circuit that does not settle may come back to the same levels after the
    // pass bound; its levels hold no more for that.
    if (!sim::settle(trial).settled) return true;
    const auto differ = [](const auto& a, const auto& b) {
        for (size_t slot = 0; slot < a.size(); ++slot)
            if (a[slot] && !(*a[slot] == *b[slot])) return true;
        return false;
    };
    return differ(circuit.logicElements, trial.logicElements) ||
           differ(circuit.blockElements, trial.blockElements);
}

size_t footprintBytes(const CCircuit& circuit) {
    return sizeof(CCircuit) + tableBytes(circuit.logicElements) +
           tableBytes(circuit.blockElements) + tableBytes(circuit.wires);
}

}  // namespace app
