#pragma once
#include "edit/EditState.h"
#include "model/Circuit.h"
#include "model/Viewport.h"
#include "sim/Simulator.h"

namespace platform {
class Shell;
}

namespace edit {

// What an editing operation works on: the circuit, the editing state kept between
// mouse messages, the desktop for dialogs and repaints, and the viewport that turns
// window coordinates into work-area coordinates and back, and the simulation that
// settles the circuit.
struct EditContext {
    CCircuit& circuit;
    EditState& state;
    platform::Shell& shell;
    Viewport viewport;
    sim::CSimulator& simulation;
};

}  // namespace edit
