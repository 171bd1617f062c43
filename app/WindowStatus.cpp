#include "app/CircuitSnapshot.h"
#include "app/Vortafrm.h"
#include "edit/Selection.h"
#include "platform/Shell.h"
#include "sim/WireLevels.h"

// A change is whatever the undo history kept as a step (placing, wiring, deleting,
// changing an element, New and Open). The levels it leaves are stale only when a
// settle would change them: a moved element or a new input signal leaves them true.
void CVortafrm::afterMessage() {
    // A chosen element deleted by any gesture is chosen no more.
    edit::dropVanished(circuit_, edit_.selection);
    const bool changed = history_.stepsRecorded() != stepsSeen_;
    stepsSeen_ = history_.stepsRecorded();
    if (changed && powerOn_ && settleAfterChange_) settleNow();
    if (simulation_.settleCount() != settlesSeen_) {
        settlesSeen_ = simulation_.settleCount();
        unsettled_ = !simulation_.lastSettle().settled;
        levelsStale_ = false;
    }
    if (changed && powerOn_ && !settleAfterChange_)
        levelsStale_ = app::settleWouldChangeLevels(circuit_, trial_);
    const platform::WindowStatus status = currentStatus();
    if (statusShown_ && status == shownStatus_) return;
    shownStatus_ = status;
    statusShown_ = true;
    shell_.showStatus(status);
}

// Levels mean something only while the power is on.
platform::WindowStatus CVortafrm::currentStatus() const {
    platform::WindowStatus status;
    status.fileName = currentFileName_;
    status.powerOn = powerOn_;
    status.generatorRunning = powerOn_ && generatorRunning_;
    status.levelsStale = powerOn_ && levelsStale_;
    status.unsettled = powerOn_ && unsettled_;
    status.recoveryUnwritten = recoveryUnwritten_;
    return status;
}

WireLevels CVortafrm::shownWireLevels() const {
    if (!powerOn_ || !wireLevelsShown_) return {};
    return sim::wireLevels(circuit_);
}
