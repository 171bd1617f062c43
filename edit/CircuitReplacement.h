#pragma once
#include "edit/EditState.h"
#include "model/Circuit.h"

namespace edit {

// Puts the replacement in place of every record of the circuit (New, Open, a file
// from the computer or dropped, the recovery file), together with forgetting the
// part of the editing state that names table slots: the wire being drawn, the held
// free end and the hit lists, whose marks went with their records. A pending
// element belongs to no table and stays pending, ready to be placed in the new
// circuit.
void replaceCircuit(CCircuit& circuit, EditState& state, CCircuit replacement);

}  // namespace edit
