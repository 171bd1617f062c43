#include "model/CircuitCopy.h"

namespace {

// A record already in the slot is overwritten, its memory used again.
template <typename Table>
void copyTable(const Table& from, Table& to) {
    using Record = typename Table::value_type::element_type;
    for (size_t slot = 0; slot < from.size(); ++slot) {
        if (!from[slot])
            to[slot].reset();
        else if (to[slot])
            *to[slot] = *from[slot];
        else
            to[slot] = std::make_unique<Record>(*from[slot]);
    }
}

}  // namespace

CCircuit copyTables(const CCircuit& circuit) {
    CCircuit copy;
    copyTablesInto(circuit, copy);
    return copy;
}

void copyTablesInto(const CCircuit& from, CCircuit& to) {
    copyTable(from.logicElements, to.logicElements);
    copyTable(from.blockElements, to.blockElements);
    copyTable(from.wires, to.wires);
}
