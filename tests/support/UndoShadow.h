#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "support/RandomGestures.h"

class CVortafrm;

// What the main window's undo history ought to hold, kept apart from it as the
// file bytes of the circuit at every moment the user was not in the middle of a
// gesture. Told about every message before and after it is sent, it reports:
//  - a change of the circuit that ended without a step (with the power on at any
//    time since the last rest, a change beyond its levels);
//  - an undo or redo whose circuit (bytes, or beyond levels with the power on,
//    which settles) or file name is not the one expected, or that lost a step;
//  - undoing every step not arriving at the start when no step was ever dropped;
//  - a step open at rest, or none open while a gesture is under way.
class UndoShadow {
  public:
    explicit UndoShadow(const CVortafrm& window);

    void beforeMessage(const WindowMessage& message);
    std::vector<std::string> afterMessage();

  private:
    using Bytes = std::vector<uint8_t>;
    struct Step {
        Bytes circuit;
        std::optional<std::string> fileName;  // New and Open bring it back too
    };

    bool sentCommand(int id) const;
    void checkMove(std::deque<Step>& from, std::deque<Step>& to, const Bytes& now,
                   const std::string& what, std::vector<std::string>& out);
    void checkRecorded(const Bytes& now, std::vector<std::string>& out);
    void followDrops(std::vector<std::string>& out);

    const CVortafrm& window_;
    Bytes start_;
    Bytes atRest_;  // the circuit when the window was last at rest, or when a step was made
    bool poweredSinceRest_ = false;  // the levels may have changed without the user
    std::deque<Step> undo_;
    std::deque<Step> redo_;
    bool everDropped_ = false;

    // The window just before the message.
    WindowMessage message_;
    std::string nameBefore_;
    bool undoEnabled_ = false;
    bool redoEnabled_ = false;
    uint64_t recordedBefore_ = 0;
};
