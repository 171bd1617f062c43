#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <random>

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

// What a session does at 100 % it does at a larger zoom with the pointer's
// coordinates scaled: the same circuit, byte for byte. Left out are what rests on
// client pixels that do not scale (the strips of the scroll bars, the window's
// size) and what changes the zoom itself.
std::vector<WindowMessage> scalableMessages(const std::vector<WindowMessage>& sent) {
    const Rect inside{kBarThickness, 0, 640, 480 - kBarThickness};
    std::vector<WindowMessage> kept{{WindowMessage::Type::MouseMove, 0, {320, 240}, 0, 0, 0}};
    for (const WindowMessage& m : sent) {
        const bool pointer = m.type <= WindowMessage::Type::Wheel;
        const bool zooms =
            (m.type == WindowMessage::Type::Command &&
             (m.value == command::ViewZoomIn || m.value == command::ViewZoomOut ||
              m.value == command::ViewZoomNatural)) ||
            (m.type == WindowMessage::Type::Wheel && (m.flags & platform::MK_CONTROL));
        const bool outside = m.point.x < inside.left || m.point.x >= inside.right ||
                             m.point.y < inside.top || m.point.y >= inside.bottom;
        if (zooms || m.type == WindowMessage::Type::Size || (pointer && outside)) continue;
        kept.push_back(m);
    }
    return kept;
}

TEST(RandomGestureTest, TheSameGesturesAtALargerZoomBuildTheSameCircuit) {
    std::mt19937 random(static_cast<uint32_t>(environmentNumber("LOTRA_RANDOM_SEED", 1)));
    for (int session = 0; session < 4; ++session) {
        const auto seed = static_cast<uint32_t>(random());
        const int32_t zoom = std::uniform_int_distribution<int32_t>(2, 4)(random) * 100;
        std::vector<WindowMessage> sent;
        ASSERT_FALSE(runRandomSession(seed, 2000, sent));
        GestureSession natural;
        GestureSession zoomed(zoom);
        for (const WindowMessage& m : scalableMessages(sent)) {
            ASSERT_TRUE(natural.sendAndCheck(m).empty()) << describe(m);
            WindowMessage scaled = m;
            scaled.point = {m.point.x * zoom / 100, m.point.y * zoom / 100};
            ASSERT_TRUE(zoomed.sendAndCheck(scaled).empty()) << describe(scaled);
        }
        EXPECT_FALSE(natural.window().circuit().isEmpty()) << "seed " << seed;
        EXPECT_EQ(io::encodeCircuit(natural.window().circuit()),
                  io::encodeCircuit(zoomed.window().circuit()))
            << "seed " << seed << " at " << zoom << " %";
    }
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
