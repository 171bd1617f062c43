#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "model/Circuit.h"

namespace app {

// How much the history keeps: steps to undo and to redo together, and the bytes
// of their copied tables. Past either limit the oldest steps go, but the newest
// step is always kept.
struct UndoLimits {
    size_t steps = 200;
    size_t bytes = size_t{64} << 20;
};

// The user's actions that changed the circuit, each kept as a whole copy of the
// tables: as they were before it while it can be undone, as they were after it
// while it can be redone. A step opens before a message that may change the
// tables and closes once no gesture is under way any more, so that a wire with
// all its bends, or a drag from press to release, is one step.
class CUndoHistory {
  public:
    explicit CUndoHistory(UndoLimits limits = {}) : limits_(limits) {}

    bool isStepOpen() const { return open_.has_value(); }
    // Remembers the tables as they are before the user acts; nothing when a step
    // is open already.
    void openStep(const CCircuit& circuit);
    // Ends the open step. It is kept when the tables now differ in more than their
    // levels, or when the user confirmed a change of an element, which may have
    // changed levels alone; a kept step empties the redo list.
    void closeStep(const CCircuit& circuit, bool elementChangedByUser);
    // Ends the open step as a New or Open, which is always kept and whose undo
    // brings back the file name too.
    void closeFileStep(std::string nameBefore);

    bool canUndo() const { return !undo_.empty(); }
    bool canRedo() const { return !redo_.empty(); }
    // The tables as before the last step, and for New and Open the file name; what
    // they were goes to the redo list.
    void undo(CCircuit& circuit, std::string& fileName);
    // The tables as after the step undone last; what they were goes back to the
    // undo list.
    void redo(CCircuit& circuit, std::string& fileName);

    // Marks the tables as they stand as the ones in their file (or as holding nothing
    // to lose); undo and redo come back to that mark, a new step leaves it.
    void markSaved() { savedState_ = currentState_; }
    // Whether the tables are as they were at the last mark: level changes alone, and
    // steps undone back to it, do not count.
    bool isAtSavedMark() const { return currentState_ == savedState_; }

    size_t undoCount() const { return undo_.size(); }
    size_t redoCount() const { return redo_.size(); }
    // The bytes of the kept copies (the open step's copy, or the one left by a step
    // not kept, is not counted).
    size_t bytes() const { return bytes_; }
    // Steps kept since the start: tells a checker that a message made one.
    uint64_t stepsRecorded() const { return stepsRecorded_; }

  private:
    struct Step {
        CCircuit tables;
        std::optional<std::string> fileName;  // only for New and Open
        size_t bytes = 0;
        uint64_t state = 0;  // which state of the circuit the tables are
    };

    void record(CCircuit before, std::optional<std::string> fileName);
    // Puts the step's tables (and name) in place and keeps the present in the step.
    void exchange(Step& step, CCircuit& circuit, std::string& fileName);
    void moveStep(std::deque<Step>& from, std::deque<Step>& to, CCircuit& circuit,
                  std::string& fileName);
    void trim();
    void dropOldest();

    UndoLimits limits_;
    std::optional<CCircuit> open_;
    CCircuit spare_;         // the copy of the last step that was not kept, to copy over
    std::deque<Step> undo_;  // the last step at the back
    std::deque<Step> redo_;  // the next step to redo at the back
    size_t bytes_ = 0;
    uint64_t stepsRecorded_ = 0;
    // Every state the tables reach by a new step gets a number of its own.
    uint64_t currentState_ = 0;
    uint64_t savedState_ = 0;
};

}  // namespace app
