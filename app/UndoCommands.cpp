#include "app/CircuitSnapshot.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "sim/Simulation.h"

namespace {
// The restored circuit shows the levels it had; with the power on it settles at
// once, as after a flipped input signal.
void showRestored(CVortafrm& window) {
    if (window.powerOn) sim::settle(window.circuit);
    window.shell.invalidateWorkArea(true);
}
}  // namespace

void CVortafrm::OnEditUndo() {
    history.undo(circuit, currentFileName);
    showRestored(*this);
}

void CVortafrm::OnEditRedo() {
    history.redo(circuit, currentFileName);
    showRestored(*this);
}

void CVortafrm::openUndoStep() {
    history.openStep(circuit);
}

void CVortafrm::closeUndoStepAtRest() {
    if (gestureUnderWay(edit)) return;
    history.closeStep(circuit, edit.elementChangedByUser);
    edit.elementChangedByUser = false;
}

// New and Open replace the circuit also in the middle of a gesture: the step then
// takes back what the gesture had done too, and an element still waiting to be
// placed is placed as a step of its own. A refused or failed command is no step.
void CVortafrm::runFileStep(void (CVortafrm::*command)()) {
    const std::string nameBefore = currentFileName;
    const CCircuit tablesBefore = app::copyTables(circuit);
    openUndoStep();
    (this->*command)();
    if (currentFileName == nameBefore && !app::differApartFromLevels(tablesBefore, circuit)) {
        closeUndoStepAtRest();
        return;
    }
    history.closeFileStep(nameBefore);
    edit.elementChangedByUser = false;
    if (gestureUnderWay(edit)) openUndoStep();
}
