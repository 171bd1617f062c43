#pragma once
#include <string>

#include "model/Circuit.h"

namespace platform {
class Shell;
}

namespace app {

// The verdict on the circuit against an automaton typed as a table (the format of
// lotra-sim --expect-automaton), in words for a message box: the verdict, and on
// the next line the shortest input sequence that tells them apart or what is wrong.
std::string tableCheckVerdict(const CCircuit& circuit, const std::string& tableText);

// "&Проверить по таблице...": asks for the table's file name and shows the verdict
// on the circuit in a message box.
void checkByTable(platform::Shell& shell, const CCircuit& circuit);

}  // namespace app
