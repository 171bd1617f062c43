#pragma once
#include "edit/EditState.h"
#include "model/Circuit.h"

namespace edit {

// Deletes every record of the circuit (New, Open) together with the part of the
// editing state that names table slots: the wire being drawn, the held free end
// and the hit lists, whose marks went with their records. A pending element
// belongs to no table and stays pending, ready to be placed in the new circuit.
void discardCircuit(CCircuit& circuit, EditState& state);

}  // namespace edit
