#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "app/CommandIds.h"
#include "io/CircuitFile.h"
#include "support/GestureSession.h"
#include "support/RandomGestures.h"

namespace {

size_t environmentNumber(const char* name, size_t fallback) {
    const char* text = std::getenv(name);
    if (!text || !*text) return fallback;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    return *end == '\0' ? static_cast<size_t>(value) : fallback;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "  " + line + "\n";
    return text;
}

// LOTRA_RANDOM_MESSAGES messages in all (120000 unless set), in sessions of
// LOTRA_RANDOM_SESSION messages (4000) with seeds counting up from
// LOTRA_RANDOM_SEED (1). A fault stops the run with the seed and the shortest
// sequence that still shows it.
TEST(RandomGestureTest, LongSessionsKeepTheWindowSound) {
    const size_t total = environmentNumber("LOTRA_RANDOM_MESSAGES", 120000);
    const size_t perSession = std::max<size_t>(1, environmentNumber("LOTRA_RANDOM_SESSION", 4000));
    const auto firstSeed = static_cast<uint32_t>(environmentNumber("LOTRA_RANDOM_SEED", 1));
    size_t sentInAll = 0;
    for (uint32_t seed = firstSeed; sentInAll < total; ++seed) {
        // Said before the run, so that a crash still names its seed.
        std::cerr << "seed " << seed << "\n";
        std::vector<WindowMessage> sent;
        const auto fault = runRandomSession(seed, std::min(perSession, total - sentInAll), sent);
        sentInAll += sent.size();
        if (!fault) continue;
        const std::vector<WindowMessage> shortest = shrinkFailingSequence(sent, 3000);
        const auto shortFault = replayMessages(shortest);
        FAIL() << "seed " << seed << ": after message " << fault->message << "\n"
               << joined(fault->violations) << "shortest sequence (" << shortest.size()
               << " messages):\n"
               << describe(shortest) << "which gives:\n"
               << (shortFault ? joined(shortFault->violations) : "  (no fault on replay)\n");
    }
    std::cerr << sentInAll << " messages checked\n";
    EXPECT_GE(sentInAll, total);
}

TEST(RandomGestureTest, ARecordedSessionReplaysToTheSameCircuit) {
    std::vector<WindowMessage> sent;
    ASSERT_FALSE(runRandomSession(77, 3000, sent));
    GestureSession first;
    GestureSession second;
    for (const WindowMessage& m : sent) {
        ASSERT_TRUE(first.sendAndCheck(m).empty());
        ASSERT_TRUE(second.sendAndCheck(m).empty());
    }
    EXPECT_FALSE(first.window().circuit().isEmpty()) << "the gestures build something";
    EXPECT_EQ(io::encodeCircuit(first.window().circuit()),
              io::encodeCircuit(second.window().circuit()));
}

// The shrinker keeps only what a fault needs: here power on, then a generator
// tick, anywhere in a long sequence.
TEST(RandomGestureTest, ShrinkingKeepsOnlyTheMessagesAFaultNeeds) {
    std::vector<WindowMessage> messages;
    for (int i = 0; i < 300; ++i) {
        WindowMessage m;
        m.type = i % 3 ? WindowMessage::Type::MouseMove : WindowMessage::Type::Timer;
        m.value = timer::GeneratorClock;
        m.point = {i, i};
        if (i == 120) m = {WindowMessage::Type::Command, 0, {}, command::PowerOn, 0, 5};
        messages.push_back(m);
    }
    const FaultFinder powerThenTick = [](const std::vector<WindowMessage>& list) {
        bool powered = false;
        for (size_t i = 0; i < list.size(); ++i) {
            powered = powered || list[i].type == WindowMessage::Type::Command;
            if (powered && list[i].type == WindowMessage::Type::Timer)
                return std::optional<FrameFault>(FrameFault{i, {"tick while powered"}});
        }
        return std::optional<FrameFault>();
    };
    const auto shortest = shrinkFailingSequence(messages, 10000, powerThenTick);
    ASSERT_EQ(shortest.size(), 2u) << describe(shortest);
    EXPECT_EQ(shortest[0].type, WindowMessage::Type::Command);
    EXPECT_EQ(shortest[0].answerSeed, 5u);
    EXPECT_EQ(shortest[1].type, WindowMessage::Type::Timer);
}

}  // namespace
