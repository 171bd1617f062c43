#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "analysis/TimingPicture.h"
#include "support/CircuitBuilder.h"

using analysis::CTimingRecording;
using analysis::CTimingRows;
using analysis::TimingRow;

namespace {

std::vector<std::string> names(const CTimingRows& rows) {
    std::vector<std::string> shown;
    for (const TimingRow& row : rows.rows()) shown.push_back(row.name);
    return shown;
}

// The rows take the circuit in reading order and follow it: a new element's row is
// added, a removed row stays removed, names follow the reading order, a split number
// becomes its connected inputs, and a removed element's row ends with the recording
// that holds it.
TEST(TimingRows, FollowTheCircuitAndTheUsersChoices) {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    const int32_t lower = build.block(EntrSignal, 100, 200);
    build.block(GTI, 100, 100);
    const int32_t trigger = build.block(Trigger, 300, 100);
    const int32_t indicator = build.indicator(500, 100);
    build.wire(Trigger, trigger, 9, Indicator, indicator, 0);
    build.wire(Trigger, trigger, 10, Indicator, indicator, 3);
    CTimingRecording recording;
    CTimingRows rows;
    rows.follow(circuit, recording);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"X1", "ГТИ1", "Q1", "Y1"}));
    EXPECT_EQ(rows.state().bits.size(), 1U);

    const int32_t upper = build.block(EntrSignal, 100, 50);
    rows.remove(1);
    rows.follow(circuit, recording);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"X2", "Q1", "Y1", "X1"}))
        << "the new signal is the first in reading order and comes last; the generator stays away";
    rows.moveUp(3);
    rows.moveDown(0);
    rows.split(3, circuit);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"Q1", "X2", "X1", "Y1.1", "Y1.8"}));

    for (const TimingRow& row : analysis::signalsToAdd(circuit))
        if (row.name == "Q1'") rows.add(row, recording);
    recording.startAtPowerOn(circuit);
    circuit.blockElements[upper].reset();
    recording.recordTick(circuit);
    rows.follow(circuit, recording);
    EXPECT_EQ(names(rows).size(), 6U) << "the removed signal's row stays while it is recorded";
    EXPECT_EQ(recording.level({EntrSignal, upper, 9}, 0), false);
    EXPECT_FALSE(recording.level({EntrSignal, upper, 9}, 1));
    recording.startAtPowerOn(circuit);
    rows.follow(circuit, recording);
    EXPECT_EQ(names(rows), (std::vector<std::string>{"Q1", "X1", "Y1.1", "Y1.8", "Q1'"}));
    EXPECT_EQ(rows.rows()[1].bits.front().slot, lower);
}

// Over a random run with changes by hand between ticks, at every zoom: every pixel
// of the plot belongs to the last column that starts at or before it, columns start
// in order (a change by hand after its tick, before the next), and the tooltip names
// the column's tick.
TEST(TimingPicture, EveryPixelOfThePlotFindsItsColumn) {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    const int32_t signal = build.block(EntrSignal);
    CTimingRecording recording(300);
    CTimingRows rows;
    rows.follow(circuit, recording);
    std::mt19937 random(11);
    recording.startAtPowerOn(circuit);
    for (int n = 0; n < 400; ++n) {
        circuit.blockElements[signal]->pins[9].value = random() & 1U;
        if (random() % 3 == 0)
            recording.recordManualChange(circuit);
        else
            recording.recordTick(circuit);
    }
    for (const int32_t zoom : {1, 2, 7, 40}) {
        SCOPED_TRACE(zoom);
        analysis::TimingView view{zoom, 0, {600, 100}};
        const int32_t plotLeft = analysis::timingLayout(rows).nameWidth;
        view.scroll = analysis::timingLastScroll(recording, rows, view) / 2;
        int64_t previous = -1;
        for (uint64_t n = recording.firstColumn(); n < recording.endColumn(); ++n) {
            const int64_t left = analysis::timingColumnLeft(recording, n, zoom);
            const uint32_t tick = recording.column(n).tick;
            EXPECT_GE(left, previous);
            EXPECT_GE(left, int64_t{tick - recording.column(recording.firstColumn()).tick} * zoom);
            EXPECT_LT(left,
                      int64_t{tick + 1 - recording.column(recording.firstColumn()).tick} * zoom);
            previous = left;
        }
        const int64_t plotEnd = plotLeft + analysis::timingPlotWidth(recording, zoom) - view.scroll;
        for (int32_t x = plotLeft; x < std::min<int64_t>(view.size.width, plotEnd); ++x) {
            const std::optional<uint64_t> found =
                analysis::timingColumnAt(recording, rows, view, x);
            ASSERT_TRUE(found) << x;
            const int64_t at = x - plotLeft + view.scroll;
            EXPECT_LE(analysis::timingColumnLeft(recording, *found, zoom), at);
            if (*found + 1 < recording.endColumn()) {
                EXPECT_GT(analysis::timingColumnLeft(recording, *found + 1, zoom), at) << x;
            }
        }
        EXPECT_FALSE(analysis::timingColumnAt(recording, rows, view, plotLeft - 1));
        if (plotEnd < view.size.width) {
            EXPECT_FALSE(
                analysis::timingColumnAt(recording, rows, view, static_cast<int32_t>(plotEnd)));
        }
    }
    const std::string tip = analysis::timingTooltip(recording, rows, recording.endColumn() - 1);
    EXPECT_NE(tip.find("такт " + std::to_string(recording.column(recording.endColumn() - 1).tick)),
              std::string::npos)
        << tip;
}

}  // namespace
