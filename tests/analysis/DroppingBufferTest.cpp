#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "analysis/DroppingBuffer.h"

namespace {

// Random appends and drops at both ends, long enough for the dropped front to be
// given back many times, always hold what a double-ended queue holds.
TEST(DroppingBuffer, KeepsWhatAQueueKeepsThroughEveryCompaction) {
    analysis::CDroppingBuffer<uint64_t> buffer;
    std::deque<uint64_t> model;
    std::mt19937_64 random(28);
    uint64_t next = 0;
    size_t mostKept = 0;
    for (int step = 0; step < 200000; ++step) {
        const auto count = static_cast<size_t>(random() % 3 + 1);
        const uint64_t choice = random() % 16;
        if (choice < 8 || model.size() < count) {
            uint64_t* room = buffer.appendUnset(count);
            for (size_t n = 0; n < count; ++n) model.push_back(room[n] = next++);
        } else if (choice < 15) {
            buffer.dropFront(count);
            model.erase(model.begin(), model.begin() + static_cast<std::ptrdiff_t>(count));
        } else {
            buffer.dropBack(count);
            model.resize(model.size() - count);
        }
        ASSERT_EQ(buffer.size(), model.size());
        mostKept = std::max(mostKept, model.size());
        if (!model.empty()) {
            ASSERT_EQ(buffer[0], model.front());
            ASSERT_EQ(buffer[model.size() - 1], model.back());
        }
    }
    for (size_t n = 0; n < model.size(); ++n) ASSERT_EQ(buffer[n], model[n]) << n;
    // The room is at most twice the kept values and the front not yet given back.
    EXPECT_LE(buffer.bytesUsed(), 4 * (std::max<size_t>(mostKept, 4096) + 3) * sizeof(uint64_t));
}

}  // namespace
