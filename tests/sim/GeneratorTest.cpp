#include <algorithm>
#include <cmath>
#include <limits>

#include "SimFixture.h"
#include "sim/Generator.h"
#include "sim/Simulation.h"

namespace {

struct ConversionCase {
    float period, duty, delay;
    sim::GeneratorTicks ticks;
};

TEST(GeneratorConversionTest, SecondsAndFillFactorBecomeTruncatedTicks) {
    const std::vector<ConversionCase> cases = {
        {1.0f, 0.5f, 0.0f, {10, 5, 0}},
        {1.0f, 0.1f, 0.0f, {10, 1, 0}},
        {1.0f, 0.2f, 0.0f, {10, 2, 0}},
        {1.0f, 0.3f, 0.0f, {10, 3, 0}},
        {1.0f, 0.4f, 0.0f, {10, 4, 0}},
        {1.0f, 0.6f, 0.0f, {10, 6, 0}},
        {1.0f, 0.8f, 0.0f, {10, 8, 0}},
        // Single-precision tenths just below the exact value lose a tick.
        {1.0f, 0.7f, 0.7f, {10, 6, 6}},
        {1.0f, 0.9f, 0.0f, {10, 8, 0}},
        {2.0f, 0.5f, 1.5f, {20, 10, 15}},
        {5.0f, 0.9f, 5.0f, {50, 44, 50}},
    };
    for (const ConversionCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.period << " s, " << c.duty << ", " << c.delay);
        EXPECT_EQ(sim::toTicks({c.period, c.duty, c.delay}), c.ticks);
    }
}

TEST(GeneratorConversionTest, ValuesNoDialogGivesStillConvertSafely) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(sim::toTicks({-1.0f, 0.5f, nan}), (sim::GeneratorTicks{0, 0, 0}));
    EXPECT_EQ(sim::toTicks({1e30f, -0.5f, std::numeric_limits<float>::infinity()}),
              (sim::GeneratorTicks{UINT32_MAX, 0, UINT32_MAX}));
}

TEST(GeneratorConversionTest, TicksConvertBackForTheDialog) {
    CBlockElement generator(GTI);
    generator.setupGenerator(sim::toTicks({1.0f, 0.7f, 0.0f}).period,
                             sim::toTicks({1.0f, 0.7f, 0.0f}).pulse, 0);
    EXPECT_EQ(sim::fromTicks(generator), (GeneratorParams{1.0f, 0.6f, 0.0f}));
    generator.setupGenerator(20, 10, 15);
    EXPECT_EQ(sim::fromTicks(generator), (GeneratorParams{2.0f, 0.5f, 1.0f}));
}

TEST(GeneratorConversionTest, AZeroPeriodFromADamagedFileDividesByNothing) {
    CBlockElement generator(GTI);
    generator.periodTicks = 0;
    generator.pulseTicks = 5;
    generator.delayTicks = 3;
    const GeneratorParams params = sim::fromTicks(generator);
    EXPECT_EQ(params.period, 0.0f);
    EXPECT_EQ(params.duty, 0.5f);
    EXPECT_TRUE(std::isfinite(params.delay));
    // Without a period the generator stands still: no switching point, no settle.
    generator.delayTicks = 0;
    generator.pins[9].value = 1;
    for (int tick = 0; tick < 5; ++tick) EXPECT_FALSE(generator.generatorTick());
    EXPECT_EQ(generator.tickCounter, 0u);
    EXPECT_EQ(generator.pins[9].value, 1);
    // A counter left past a shortened period starts the period again.
    generator.periodTicks = 4;
    generator.tickCounter = 9;
    generator.generatorTick();
    EXPECT_EQ(generator.tickCounter, 0u);
}

TEST(GeneratorSetupTest, StoresTheTicksAndMovesADelayThatDoesNotFit) {
    CBlockElement generator(GTI);
    generator.pins[9].value = 1;
    generator.tickCounter = 7;
    EXPECT_TRUE(generator.setupGenerator(20, 10, 10));
    EXPECT_EQ(generator.tickCounter, 0u);
    EXPECT_EQ(generator.pins[9].value, 1) << "the output is not touched";
    EXPECT_FALSE(generator.setupGenerator(20, 10, 15));
    EXPECT_EQ(generator.delayTicks, 10u);
    EXPECT_EQ(generator.pulseTicks, 10u);
    EXPECT_EQ(generator.periodTicks, 20u);
    // Sums past 32 bits must not wrap into "fits".
    EXPECT_FALSE(generator.setupGenerator(20, 10, UINT32_MAX - 5));
    EXPECT_EQ(generator.delayTicks, 10u);
    // A pulse longer than the period starts at once instead of at a wrapped tick.
    EXPECT_FALSE(generator.setupGenerator(4, 9, 0));
    EXPECT_EQ(generator.delayTicks, 0u);
}

// Output level after each tick, and the ticks that reported a switching point.
struct Trace {
    std::vector<int> levels;
    std::vector<int> switchingTicks;
};

Trace run(uint32_t period, uint32_t pulse, uint32_t delay, int ticks) {
    CBlockElement generator(GTI);
    generator.setupGenerator(period, pulse, delay);
    Trace trace;
    for (int tick = 0; tick < ticks; ++tick) {
        if (generator.generatorTick()) trace.switchingTicks.push_back(tick);
        trace.levels.push_back(generator.pins[9].value);
    }
    return trace;
}

TEST(GeneratorTickTest, DefaultsRiseAtZeroAndFallAtFour) {
    const Trace trace = run(10, 5, 0, 20);
    EXPECT_EQ(trace.switchingTicks, (std::vector<int>{0, 4, 10, 14}));
    const std::vector<int> period{1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::vector<int>(trace.levels.begin(), trace.levels.begin() + 10), period);
    EXPECT_EQ(std::vector<int>(trace.levels.begin() + 10, trace.levels.end()), period);
}

TEST(GeneratorTickTest, DelayedPulseAndTheOneTickPulseThatNeverRises) {
    const Trace delayed = run(10, 3, 6, 10);
    EXPECT_EQ(delayed.switchingTicks, (std::vector<int>{6, 8}));
    EXPECT_EQ(delayed.levels, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 1, 0, 0}));

    const Trace shortest = run(10, 1, 0, 25);
    EXPECT_EQ(shortest.switchingTicks, (std::vector<int>{0, 10, 20}));
    EXPECT_EQ(std::count(shortest.levels.begin(), shortest.levels.end(), 1), 0);
}

using ClockTickTest = SimFixture;

TEST_F(ClockTickTest, EveryGeneratorTicksAndTheCircuitSettlesOnlyAtSwitchingPoints) {
    const int32_t first = build.block(GTI);
    const int32_t second = build.block(GTI);
    block(first).setupGenerator(10, 5, 0);
    block(second).setupGenerator(10, 5, 0);
    const int32_t source = signal(0);
    const int32_t watch = buffer();
    build.wire(EntrSignal, source, 9, LogicElement, watch, 2);
    sim::switchPowerOn(circuit);

    // The signal changes behind the simulation's back; only a settle shows it.
    block(source).pins[9].value = 1;
    EXPECT_TRUE(sim::clockTick(circuit));
    EXPECT_EQ(block(first).pins[9].value, 1);
    EXPECT_EQ(block(second).pins[9].value, 1) << "no generator is skipped";
    EXPECT_EQ(block(second).tickCounter, 1u);
    EXPECT_EQ(output(watch), 1);

    block(source).pins[9].value = 0;
    EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_EQ(output(watch), 1);
    EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_TRUE(sim::clockTick(circuit));  // counter 4: both fall
    EXPECT_EQ(output(watch), 0);
    EXPECT_EQ(block(first).pins[9].value, 0);
}

TEST_F(ClockTickTest, AOneTickPulseStillSettlesEveryPeriod) {
    const int32_t generator = build.block(GTI);
    block(generator).setupGenerator(sim::toTicks({1.0f, 0.1f, 0.0f}).period,
                                    sim::toTicks({1.0f, 0.1f, 0.0f}).pulse, 0);
    const int32_t watch = inverter();
    build.wire(GTI, generator, 9, LogicElement, watch, 2);
    sim::switchPowerOn(circuit);
    logicPins(watch)[9].value = 0;  // wrong on purpose: a settle puts it right
    EXPECT_TRUE(sim::clockTick(circuit));
    EXPECT_EQ(output(watch), 1);
    EXPECT_EQ(block(generator).pins[9].value, 0);
    for (int tick = 1; tick < 10; ++tick) EXPECT_FALSE(sim::clockTick(circuit));
    EXPECT_TRUE(sim::clockTick(circuit));
}

}  // namespace
