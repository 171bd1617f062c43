#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/Geometry.h"

// One message the desktop forwards to the main window, with the seed of the
// answers its dialogs get, so that a recorded sequence replays exactly even when
// messages are taken out of it.
struct WindowMessage {
    enum class Type {
        MouseMove,
        LButtonDown,
        LButtonUp,
        LButtonDblClk,
        RButtonDown,
        // The wheel at the point: value and value2 are the turn across and down.
        Wheel,
        Command,
        Timer,
        VScroll,
        HScroll,
        Size,
        Paint,
    };
    Type type = Type::MouseMove;
    uint32_t flags = 0;
    Point point{};
    int32_t value = 0;   // command id, timer id, scroll code, width, or the wheel's turn
    int32_t value2 = 0;  // thumb position or height
    uint32_t answerSeed = 0;
};

std::string describe(const WindowMessage& message);
std::string describe(const std::vector<WindowMessage>& messages);

// The first violation a run of the messages meets: after which message (its
// position) and what broke.
struct FrameFault {
    size_t message = 0;
    std::vector<std::string> violations;
};

// Makes a fresh main window in a fresh current directory, creates it, gives it a
// size, sends it the messages and checks the whole window after each one and after
// its destruction message. Messages after a fault are not sent.
std::optional<FrameFault> replayMessages(const std::vector<WindowMessage>& messages);

// Drives a fresh window with `count` messages drawn from the seed, pointing mostly
// at elements, pins, wire points and free ends, and checks after each one. Every
// message sent is appended to `sent`.
std::optional<FrameFault> runRandomSession(uint32_t seed, size_t count,
                                           std::vector<WindowMessage>& sent);

// Where a sequence fails, if it does.
using FaultFinder = std::function<std::optional<FrameFault>(const std::vector<WindowMessage>&)>;

// The shortest sequence found by cutting after the failing message and taking out
// chunks, then single messages, while `find` still reports a fault; `replayBudget`
// bounds the number of tries.
std::vector<WindowMessage> shrinkFailingSequence(std::vector<WindowMessage> messages,
                                                 int replayBudget,
                                                 const FaultFinder& find = replayMessages);
