#pragma once
#include <cstdint>
#include <string>

#include "edit/EditContext.h"

namespace edit {

// Ctrl + click on an element of the logic-element table, as its kind's description
// says. A gate gets new parameters from the logic-element dialog after a
// confirmation; when the new layout has fewer inputs than wires on the inputs, the
// user is warned how many wires lose their pin and may still refuse. Nothing for an
// indicator.
void changeLogicElement(EditContext& context, int32_t slot);

// Rebuilds the gate in `slot` with the new parameters. The first `keepCount` wired
// inputs, top to bottom, move onto the new layout's inputs from the top; the wires of
// the other inputs stay where they are with a free end. Every attached wire end then
// moves to its pin's new anchor.
void changeLogicParameters(CCircuit& circuit, bool isConjunction, bool inverted,
                           uint16_t inputCount, int keepCount, int32_t slot);

// Ctrl + click on a block element, as its kind's description says: a trigger or
// input signal flips its outputs after a confirmation and the circuit settles (also
// with the power off); a generator gets new timing from the generator dialog.
// Nothing for a summer.
void changeBlockElement(EditContext& context, int32_t slot);

// The warning for `lost` wires losing their pin, in the Russian form for that number.
std::string lostWiresWarning(int lost);

}  // namespace edit
