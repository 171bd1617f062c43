#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "edit/EditContext.h"
#include "edit/EditState.h"
#include "model/Circuit.h"

namespace edit {

// The chosen elements and the wires that go with them as a circuit of their own,
// numbered from slot 0 in the order of their slots: a pin whose wire stays behind
// is free, and a junction that a wire left behind made on a copied wire is gone.
CCircuit copyGroup(const CCircuit& circuit, const Selection& selection);

// Every record of the group, as a selection of it.
Selection wholeGroup(const CCircuit& group);

// Puts every record of the group into the lowest free slots of the circuit and
// returns the new elements. When a table has too few free slots, the user is told
// with that table's message and nothing is placed.
std::optional<Selection> placeGroup(EditContext& context, const CCircuit& group);

}  // namespace edit
