#include "app/UndoHistory.h"

#include <utility>

#include "app/CircuitSnapshot.h"

namespace app {

// A click that changes nothing leaves its copy behind, and the next step copies
// over it instead of allocating every record anew.
void CUndoHistory::openStep(const CCircuit& circuit) {
    if (open_) return;
    open_ = std::move(spare_);
    copyTablesInto(circuit, *open_);
}

void CUndoHistory::closeStep(const CCircuit& circuit, bool elementChangedByUser) {
    if (!open_) return;
    if (elementChangedByUser || differApartFromLevels(*open_, circuit))
        record(std::move(*open_), std::nullopt);
    else
        spare_ = std::move(*open_);
    open_.reset();
}

void CUndoHistory::closeFileStep(std::string nameBefore) {
    if (!open_) return;
    record(std::move(*open_), std::move(nameBefore));
    open_.reset();
}

void CUndoHistory::record(CCircuit before, std::optional<std::string> fileName) {
    for (const Step& step : redo_) bytes_ -= step.bytes;
    redo_.clear();
    const size_t size = footprintBytes(before);
    undo_.push_back({std::move(before), std::move(fileName), size, currentState_});
    bytes_ += size;
    ++stepsRecorded_;
    currentState_ = stepsRecorded_;
    trim();
}

void CUndoHistory::exchange(Step& step, CCircuit& circuit, std::string& fileName) {
    std::swap(step.tables, circuit);
    std::swap(step.state, currentState_);
    if (step.fileName) std::swap(*step.fileName, fileName);
    bytes_ -= step.bytes;
    step.bytes = footprintBytes(step.tables);
    bytes_ += step.bytes;
}

// The step at the back of one list comes into the tables, and what they were goes to
// the back of the other list.
void CUndoHistory::moveStep(std::deque<Step>& from, std::deque<Step>& to, CCircuit& circuit,
                            std::string& fileName) {
    if (from.empty()) return;
    Step moved = std::move(from.back());
    from.pop_back();
    exchange(moved, circuit, fileName);
    to.push_back(std::move(moved));
    trim();
}

void CUndoHistory::undo(CCircuit& circuit, std::string& fileName) {
    moveStep(undo_, redo_, circuit, fileName);
}

void CUndoHistory::redo(CCircuit& circuit, std::string& fileName) {
    moveStep(redo_, undo_, circuit, fileName);
}

// Undo and redo trade one copy for another of a different size, so the budget is
// kept after them too.
void CUndoHistory::trim() {
    while (undo_.size() + redo_.size() > 1 &&
           (undo_.size() + redo_.size() > limits_.steps || bytes_ > limits_.bytes))
        dropOldest();
}

// The oldest undo step, or, with none left, the redo step farthest away.
void CUndoHistory::dropOldest() {
    std::deque<Step>& from = undo_.empty() ? redo_ : undo_;
    bytes_ -= from.front().bytes;
    from.pop_front();
}

}  // namespace app
