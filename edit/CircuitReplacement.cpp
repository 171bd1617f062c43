#include "edit/CircuitReplacement.h"

namespace edit {

void replaceCircuit(CCircuit& circuit, EditState& state, CCircuit replacement) {
    circuit = std::move(replacement);
    state.wireInProgress.reset();
    state.continuedEnd.reset();
    state.logicHits.reset();
    state.blockHits.reset();
    state.wireHits.reset();
    state.selection = {};
    state.band.reset();
    state.groupDrag = false;
}

}  // namespace edit
