#include "edit/CircuitReplacement.h"

namespace edit {

void discardCircuit(CCircuit& circuit, EditState& state) {
    circuit.clearCircuit();
    state.wireInProgress.reset();
    state.continuedEnd.reset();
    state.logicHits.reset();
    state.blockHits.reset();
    state.wireHits.reset();
}

}  // namespace edit
