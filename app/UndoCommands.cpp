#include "app/Vortafrm.h"
#include "edit/CircuitReplacement.h"
#include "platform/Shell.h"

// The restored circuit shows the levels it had; with the power on it settles at
// once, as after a flipped input signal.
void CVortafrm::showRestored() {
    if (powerOn_) simulation_.settle();
    shell_.invalidateWorkArea(true);
    timingFollowsCircuit();
    shell_.circuitChanged();
}

// The chosen elements are those of the circuit that was shown.
void CVortafrm::OnEditUndo() {
    edit_.selection = {};
    history_.undo(circuit_, currentFileName_);
    showRestored();
}

void CVortafrm::OnEditRedo() {
    edit_.selection = {};
    history_.redo(circuit_, currentFileName_);
    showRestored();
}

void CVortafrm::openUndoStep() {
    history_.openStep(circuit_);
}

void CVortafrm::closeUndoStepAtRest() {
    if (gestureUnderWay(edit_)) return;
    const uint64_t stepsBefore = history_.stepsRecorded();
    history_.closeStep(circuit_, edit_.elementChangedByUser);
    edit_.elementChangedByUser = false;
    if (history_.stepsRecorded() == stepsBefore) return;
    timingFollowsCircuit();
    shell_.circuitChanged();
}

// A step open since the press of a gesture under way already holds the circuit
// from before the gesture, so that is what the step brings back.
void CVortafrm::replaceCircuit(CCircuit replacement, const std::string& fileName) {
    const std::string nameBefore = currentFileName_;
    openUndoStep();
    edit::replaceCircuit(circuit_, edit_, std::move(replacement));
    currentFileName_ = fileName;
    history_.closeFileStep(nameBefore);
    edit_.elementChangedByUser = false;
    if (gestureUnderWay(edit_)) openUndoStep();
    shell_.invalidateWorkArea(true);
    afterMessage();
    timingFollowsCircuit(true);
    shell_.circuitChanged();
}
