#include "app/TimingCommands.h"
#include "app/Vortafrm.h"

void CVortafrm::timingFollowsCircuit(bool newCircuit) {
    timing_.circuitChanged();
    if (newCircuit) timingRows_ = {};
    timingRows_.follow(circuit_, timing_);
}

void CVortafrm::OnTimingRow(analysis::TimingRowAction action, size_t row) {
    switch (action) {
        case analysis::TimingRowAction::Remove:
            timingRows_.remove(row);
            break;
        case analysis::TimingRowAction::MoveUp:
            timingRows_.moveUp(row);
            break;
        case analysis::TimingRowAction::MoveDown:
            timingRows_.moveDown(row);
            break;
        case analysis::TimingRowAction::Split:
            timingRows_.split(row, circuit_);
            break;
    }
}

void CVortafrm::OnTimingAddSignal(const analysis::TimingRow& row) {
    timingRows_.add(row, timing_);
}

void CVortafrm::OnTimingSave(int32_t pixelsPerTick) {
    app::saveTimingDiagram(shell_, currentFileName_, timing_, timingRows_, pixelsPerTick);
}
