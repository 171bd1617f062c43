#pragma once
#include <cstdint>

#include "model/Circuit.h"

namespace edit {

// Removes end record `position` of the wire and undoes what it was attached to: a
// pin it sat on is freed; across a junction the partner record becomes a free end
// when it is the other wire's own end, and goes too when it is a junction end there.
// Every pin and partner naming a record that moved down is renumbered with it.
// False for a missing wire or position.
bool removeWireEnd(CCircuit& circuit, int32_t wireSlot, int32_t position);

}  // namespace edit
