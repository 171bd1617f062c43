#include "support/RandomGestures.h"

#include <algorithm>

#include "support/GestureSession.h"

namespace {

const char* typeName(WindowMessage::Type type) {
    switch (type) {
        case WindowMessage::Type::MouseMove:
            return "move";
        case WindowMessage::Type::LButtonDown:
            return "left down";
        case WindowMessage::Type::LButtonUp:
            return "left up";
        case WindowMessage::Type::LButtonDblClk:
            return "left double click";
        case WindowMessage::Type::RButtonDown:
            return "right down";
        case WindowMessage::Type::Wheel:
            return "wheel";
        case WindowMessage::Type::Command:
            return "command";
        case WindowMessage::Type::Timer:
            return "timer";
        case WindowMessage::Type::VScroll:
            return "vertical scroll";
        case WindowMessage::Type::HScroll:
            return "horizontal scroll";
        case WindowMessage::Type::Size:
            return "size";
        case WindowMessage::Type::Paint:
            return "paint";
    }
    return "?";
}

std::string flagNames(uint32_t flags) {
    std::string names;
    if (flags & platform::MK_LBUTTON) names += " +button";
    if (flags & platform::MK_SHIFT) names += " +shift";
    if (flags & platform::MK_CONTROL) names += " +ctrl";
    return names;
}

bool isPointerMessage(WindowMessage::Type type) {
    return type <= WindowMessage::Type::Wheel;
}

}  // namespace

std::string describe(const WindowMessage& m) {
    std::string text = typeName(m.type);
    if (isPointerMessage(m.type)) {
        text +=
            " " + std::to_string(m.point.x) + "," + std::to_string(m.point.y) + flagNames(m.flags);
        if (m.type == WindowMessage::Type::Wheel)
            text += " turned " + std::to_string(m.value) + "," + std::to_string(m.value2);
    } else if (m.type == WindowMessage::Type::Command || m.type == WindowMessage::Type::Timer) {
        text += " " + std::to_string(m.value);
    } else if (m.type != WindowMessage::Type::Paint) {
        text += " " + std::to_string(m.value) + " " + std::to_string(m.value2);
    }
    return text + " (answers " + std::to_string(m.answerSeed) + ")";
}

std::string describe(const std::vector<WindowMessage>& messages) {
    std::string text;
    for (size_t i = 0; i < messages.size(); ++i)
        text += "  " + std::to_string(i) + ": " + describe(messages[i]) + "\n";
    return text;
}

std::optional<FrameFault> replayMessages(const std::vector<WindowMessage>& messages) {
    GestureSession session;
    for (size_t i = 0; i < messages.size(); ++i) {
        if (auto violations = session.sendAndCheck(messages[i]); !violations.empty())
            return FrameFault{i, std::move(violations)};
    }
    if (auto violations = session.destroyAndCheck(); !violations.empty())
        return FrameFault{messages.size(), std::move(violations)};
    return std::nullopt;
}

namespace {

// Takes out runs of `chunk` messages, front to back, keeping each removal after
// which the replay still fails.
bool removeChunks(std::vector<WindowMessage>& messages, size_t chunk, int& budget,
                  const FaultFinder& find) {
    bool removedAny = false;
    for (size_t start = 0; start < messages.size() && budget > 0;) {
        std::vector<WindowMessage> candidate = messages;
        const size_t end = std::min(messages.size(), start + chunk);
        candidate.erase(candidate.begin() + static_cast<std::ptrdiff_t>(start),
                        candidate.begin() + static_cast<std::ptrdiff_t>(end));
        --budget;
        if (auto fault = find(candidate)) {
            candidate.resize(std::min(candidate.size(), fault->message + 1));
            messages = std::move(candidate);
            removedAny = true;
        } else {
            start = end;
        }
    }
    return removedAny;
}

}  // namespace

std::vector<WindowMessage> shrinkFailingSequence(std::vector<WindowMessage> messages,
                                                 int replayBudget, const FaultFinder& find) {
    if (auto fault = find(messages)) messages.resize(std::min(messages.size(), fault->message + 1));
    for (size_t chunk = std::max<size_t>(1, messages.size() / 2); replayBudget > 0;) {
        const bool removed = removeChunks(messages, chunk, replayBudget, find);
        if (chunk == 1 && !removed) break;
        if (!removed) chunk = std::max<size_t>(1, chunk / 2);
    }
    return messages;
}
