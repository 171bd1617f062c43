#include "support/UndoShadow.h"

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes bytesOf(const CVortafrm& window) {
    return io::encodeCircuit(window.circuit());
}

// The circuit with every level at 0: what is left of it when the power and the
// clock are not counted.
Bytes withoutLevels(const Bytes& bytes) {
    CCircuit circuit;
    io::decodeCircuit(bytes, circuit);
    auto clearLevels = [](auto& table) {
        for (auto& element : table)
            if (element)
                for (Pin& pin : element->pins) pin.value = 0;
    };
    clearLevels(circuit.logicElements);
    clearLevels(circuit.blockElements);
    return io::encodeCircuit(circuit);
}

bool sameCircuit(const Bytes& a, const Bytes& b, bool levelsMayDiffer) {
    return a == b || (levelsMayDiffer && withoutLevels(a) == withoutLevels(b));
}

}  // namespace

UndoShadow::UndoShadow(const CVortafrm& window)
    : window_(window), start_(bytesOf(window)), atRest_(start_) {}

bool UndoShadow::sentCommand(int id) const {
    return message_.type == WindowMessage::Type::Command && message_.value == id;
}

void UndoShadow::beforeMessage(const WindowMessage& message) {
    message_ = message;
    nameBefore_ = window_.currentFileName();
    undoEnabled_ = window_.isCommandEnabled(command::EditUndo);
    redoEnabled_ = window_.isCommandEnabled(command::EditRedo);
    recordedBefore_ = window_.history().stepsRecorded();
    poweredSinceRest_ = poweredSinceRest_ || window_.isPowerOn();
}

std::vector<std::string> UndoShadow::afterMessage() {
    std::vector<std::string> out;
    const Bytes now = bytesOf(window_);
    poweredSinceRest_ = poweredSinceRest_ || window_.isPowerOn();
    const bool undone = sentCommand(command::EditUndo) && undoEnabled_;
    if (undone) {
        checkMove(undo_, redo_, now, "an undo", out);
    } else if (sentCommand(command::EditRedo) && redoEnabled_) {
        checkMove(redo_, undo_, now, "a redo", out);
    } else {
        checkRecorded(now, out);
    }
    followDrops(out);
    if (undone && !window_.history().canUndo() && !everDropped_ &&
        !sameCircuit(now, start_, window_.isPowerOn()))
        out.push_back("undoing every step does not give the circuit of the start");
    const bool atRest = !gestureUnderWay(window_.editState());
    if (atRest == window_.history().isStepOpen())
        out.push_back(atRest ? "an undo step is open at rest"
                             : "a gesture is under way without an undo step");
    if (atRest || window_.history().stepsRecorded() != recordedBefore_) {
        atRest_ = now;
        poweredSinceRest_ = window_.isPowerOn();
    }
    return out;
}

// Undo and redo take the step from one list, put the present on the other, and
// show the step's circuit and, for New and Open, its file name. With the power on
// the circuit then settles, so only its levels may differ.
void UndoShadow::checkMove(std::deque<Step>& from, std::deque<Step>& to, const Bytes& now,
                           const std::string& what, std::vector<std::string>& out) {
    if (from.empty()) {
        out.push_back(what + " that the checker has no step for");
        return;
    }
    Step step = std::move(from.back());
    from.pop_back();
    if (!sameCircuit(now, step.circuit, window_.isPowerOn()))
        out.push_back(what + " gives another circuit than the step's");
    if (window_.currentFileName() != step.fileName.value_or(nameBefore_))
        out.push_back(what + " gives another file name than the step's");
    to.push_back({atRest_, step.fileName ? std::optional(nameBefore_) : std::nullopt});
}

// Any other message either makes a step, which undoes to the circuit of the last
// rest, or, once at rest, leaves the circuit as it was then: to the byte while the
// power stayed off, else but for its levels.
void UndoShadow::checkRecorded(const Bytes& now, std::vector<std::string>& out) {
    const uint64_t made = window_.history().stepsRecorded() - recordedBefore_;
    if (made > 1) out.push_back("one message made " + std::to_string(made) + " undo steps");
    if (made > 0) {
        const bool fileStep = sentCommand(command::FileNew) || sentCommand(command::FileOpen) ||
                              sentCommand(command::FileLoadFromDisk);
        undo_.push_back({atRest_, fileStep ? std::optional(nameBefore_) : std::nullopt});
        redo_.clear();
    } else if (!gestureUnderWay(window_.editState()) &&
               !sameCircuit(now, atRest_, poweredSinceRest_)) {
        out.push_back("the circuit changed without an undo step");
    }
}

// The history drops its oldest steps past its limits; the checker follows.
void UndoShadow::followDrops(std::vector<std::string>& out) {
    const app::CUndoHistory& history = window_.history();
    for (std::deque<Step>* list : {&undo_, &redo_}) {
        const size_t kept = list == &undo_ ? history.undoCount() : history.redoCount();
        while (list->size() > kept) {
            list->pop_front();
            everDropped_ = true;
        }
    }
    if (undo_.size() != history.undoCount() || redo_.size() != history.redoCount())
        out.push_back("the history holds " + std::to_string(history.undoCount()) + " undo and " +
                      std::to_string(history.redoCount()) + " redo steps, the checker " +
                      std::to_string(undo_.size()) + " and " + std::to_string(redo_.size()));
}
