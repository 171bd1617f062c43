#pragma once
#include <string>
#include <vector>

class CVortafrm;

// Every way in which a main window's state fails to hold together: the circuit's
// link faults, a wire in progress or a continued end that names no live wire (or a
// continued end that is not a free own end), a hit list that names an empty slot
// or is empty, and a circuit whose written bytes change when read back into empty
// tables and written again. Empty when the window is sound.
std::vector<std::string> frameViolations(const CVortafrm& window);
