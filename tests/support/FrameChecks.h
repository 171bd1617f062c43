#pragma once
#include <string>
#include <vector>

#include "edit/EditState.h"
#include "model/Circuit.h"

class CVortafrm;

// Every way in which a main window's state fails to hold together: the circuit's
// link faults, a wire in progress or a continued end that names no live wire (or a
// continued end that is not a free own end), a hit list that names an empty slot
// or is empty, and a circuit whose written bytes change when read back into empty
// tables and written again. Empty when the window is sound.
std::vector<std::string> frameViolations(const CVortafrm& window);
// The same for a circuit and the editing state that goes with it.
std::vector<std::string> frameViolations(const CCircuit& circuit, const EditState& edit);
