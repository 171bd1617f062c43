#include <gtest/gtest.h>

#include "analysis/TimingRecording.h"
#include "support/CircuitBuilder.h"

using analysis::ColumnCause;
using analysis::CTimingRecording;
using analysis::SignalSource;

namespace {

// Writes a random level into every recorded pin and keeps what it wrote, so that
// every kept column can be read back.
struct RandomLevels {
    std::vector<SignalSource> sources;
    std::vector<std::vector<bool>> columns;
    uint32_t seed = 12345;

    bool next() {
        seed = seed * 1103515245U + 12345U;
        return (seed >> 16) & 1U;
    }
    void write(CCircuit& circuit) {
        std::vector<bool> column;
        for (const SignalSource& source : sources) {
            Pin& pin = *circuit.pin(source.kind, source.slot, source.pin);
            pin.value = next() ? 1 : 0;
            column.push_back(pin.value && (pin.connected || source.kind != Indicator));
        }
        columns.push_back(column);
    }
};

TEST(TimingRecording, KeepsTheLastColumnsWithTheirTicksAndCauses) {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    const int32_t gate = build.gate(true, 2, false);
    const int32_t indicator = build.indicator();
    const int32_t trigger = build.block(Trigger);
    const int32_t signal = build.block(EntrSignal);
    build.wire(Trigger, trigger, 9, Indicator, indicator, 3);
    RandomLevels levels;
    levels.sources = {{LogicElement, gate, 9}};
    for (int pin = 0; pin < 5; ++pin) levels.sources.push_back({Indicator, indicator, pin});
    levels.sources.insert(levels.sources.end(),
                          {{Trigger, trigger, 9}, {Trigger, trigger, 10}, {EntrSignal, signal, 9}});
    CTimingRecording recording(50);
    // A gate's output is recorded only when asked for; the rest are shown by default.
    recording.track(levels.sources[0]);
    EXPECT_FALSE(recording.isRecording());
    recording.recordTick(circuit);
    EXPECT_EQ(recording.endColumn(), 0U) << "nothing is recorded before the power is on";

    levels.write(circuit);
    recording.startAtPowerOn(circuit);
    for (int n = 1; n < 120; ++n) {
        levels.write(circuit);
        if (n % 3 == 0)
            recording.recordManualChange(circuit);
        else
            recording.recordTick(circuit);
    }
    EXPECT_EQ(recording.sources(), levels.sources);
    ASSERT_EQ(recording.endColumn(), 120U);
    ASSERT_EQ(recording.firstColumn(), 70U);
    EXPECT_FALSE(recording.level(levels.sources[0], 69));
    for (uint64_t n = recording.firstColumn(); n < recording.endColumn(); ++n) {
        const int manualSoFar = static_cast<int>(n / 3);
        EXPECT_EQ(recording.column(n).tick, n - static_cast<uint64_t>(manualSoFar)) << n;
        EXPECT_EQ(recording.column(n).cause, n % 3 == 0 ? ColumnCause::Manual : ColumnCause::Tick);
        for (size_t s = 0; s < levels.sources.size(); ++s)
            EXPECT_EQ(recording.level(levels.sources[s], n), levels.columns[n][s]) << n << ' ' << s;
    }

    recording.stopAtPowerOff();
    recording.recordTick(circuit);
    EXPECT_EQ(recording.endColumn(), 120U) << "power off ends the recording and keeps it";
    recording.startAtPowerOn(circuit);
    EXPECT_EQ(recording.firstColumn(), 0U);
    EXPECT_EQ(recording.endColumn(), 1U);
    EXPECT_EQ(recording.column(0).cause, ColumnCause::PowerOn);
}

// A removed element's rows end where it went, a new element's begin where it came,
// and an element of another kind in the same slot is another row.
TEST(TimingRecording, RowsEndAndBeginWhereTheTablesChange) {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    const int32_t first = build.block(EntrSignal);
    const int32_t second = build.block(EntrSignal);
    circuit.blockElements[second]->pins[9].value = 1;
    CTimingRecording recording(4);
    recording.startAtPowerOn(circuit);
    circuit.blockElements[first].reset();
    recording.recordTick(circuit);
    build.block(GTI);
    recording.circuitChanged();
    circuit.blockElements[first]->pins[9].value = 1;
    recording.recordTick(circuit);
    const SignalSource signal{EntrSignal, first, 9};
    const SignalSource generator{GTI, first, 9};
    const SignalSource kept{EntrSignal, second, 9};
    EXPECT_EQ(recording.level(signal, 0), false);
    EXPECT_FALSE(recording.level(signal, 1));
    EXPECT_FALSE(recording.level(generator, 1));
    EXPECT_EQ(recording.level(generator, 2), true);
    for (uint64_t n = 0; n < 3; ++n) EXPECT_EQ(recording.level(kept, n), true) << n;
    EXPECT_EQ(recording.sources(), (std::vector<SignalSource>{signal, generator, kept}));

    // The oldest layouts go with their last column.
    for (int n = 0; n < 4; ++n) recording.recordTick(circuit);
    EXPECT_EQ(recording.sources(), (std::vector<SignalSource>{generator, kept}));
}

TEST(TimingRecording, HundredThousandColumnsOfSixtyFourRowsTakeUnderEightMegabytes) {
    CCircuit circuit;
    CircuitBuilder build(circuit);
    for (int n = 0; n < 64; ++n) build.block(EntrSignal);
    CTimingRecording recording;
    recording.startAtPowerOn(circuit);
    for (uint64_t n = 0; n < CTimingRecording::kKeptColumns + 1000; ++n) {
        circuit.blockElements[n % 64]->pins[9].value ^= 1U;
        recording.recordTick(circuit);
    }
    EXPECT_EQ(recording.endColumn() - recording.firstColumn(), CTimingRecording::kKeptColumns);
    EXPECT_LT(recording.bytesUsed(), 8U << 20U);
}

}  // namespace
