#pragma once
#include "edit/EditState.h"
#include "model/Circuit.h"
#include "model/WorkAreaGeometry.h"

namespace platform {
class Shell;
}

namespace edit {

// What an editing operation works on: the circuit, the editing state kept between
// mouse messages, the desktop for dialogs and repaints, and the scroll offsets that
// turn window coordinates into work-area coordinates.
struct EditContext {
    CCircuit& circuit;
    EditState& state;
    platform::Shell& shell;
    ScrollOffsets scroll;
};

}  // namespace edit
