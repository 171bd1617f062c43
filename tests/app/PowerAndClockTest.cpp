#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"

namespace {

class PowerAndClockTest : public ::testing::Test {
  protected:
    void SetUp() override { giveSample(); }
    // The sample circuit, changed by `adjust` first, comes in through the window's
    // door; what the door asked of the shell is forgotten.
    void giveSample(void (*adjust)(CCircuit&, const SampleCircuit&) = nullptr) {
        CCircuit circuit;
        sample = buildSampleCircuit(circuit);
        if (adjust) adjust(circuit, sample);
        window.replaceCircuit(std::move(circuit), "");
        shell.clearRecords();
    }
    const Pins& logicPins(int32_t slot) const { return window.circuit().logicElements[slot]->pins; }
    const CBlockElement& block(int32_t slot) const { return *window.circuit().blockElements[slot]; }
    uint8_t generatorOutput() const { return block(sample.generator).pins[9].value; }
    uint8_t triggerClock() const { return block(sample.trigger).pins[3].value; }
    bool clockRunning() const { return shell.runningTimers.count(timer::GeneratorClock) == 1; }

    ScriptedShell shell;
    CVortafrm window{shell};
    SampleCircuit sample;
};

TEST_F(PowerAndClockTest, PowerAndGeneratorItemsAreEnabledByThePowerState) {
    auto enabled = [&] {
        return std::vector<bool>{window.isCommandEnabled(command::PowerOn),
                                 window.isCommandEnabled(command::PowerOff),
                                 window.isCommandEnabled(command::GeneratorStart),
                                 window.isCommandEnabled(command::GeneratorStop)};
    };
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, false}));
    window.OnCommand(command::PowerOn);
    EXPECT_EQ(enabled(), (std::vector<bool>{false, true, true, true}));
    window.OnCommand(command::PowerOff);
    EXPECT_EQ(enabled(), (std::vector<bool>{true, false, false, false}));
    for (int id : {command::FileNew, command::FileOpen, command::FileSave, command::FileSaveAs,
                   command::InsertLogicElement, command::InsertGenerator, command::HelpAbout,
                   command::HelpNote})
        EXPECT_TRUE(window.isCommandEnabled(id)) << id;
}

TEST_F(PowerAndClockTest, PowerOnSettlesTheCircuitAndRepaintsWithoutErasing) {
    // Signal 0 through the inverter must reach the indicator as 1: two wires, one
    // evaluation in between.
    giveSample([](CCircuit& circuit, const SampleCircuit& slots) {
        circuit.blockElements[slots.signal]->pins[9].value = 0;
        circuit.logicElements[slots.inverter]->pins[9].value = 0;
    });
    EXPECT_TRUE(window.OnCommand(command::PowerOn));
    EXPECT_TRUE(window.isPowerOn());
    EXPECT_EQ(logicPins(sample.inverter)[9].value, 1);
    EXPECT_EQ(logicPins(sample.indicator)[0].value, 1);
    EXPECT_EQ(shell.workAreaInvalidations(false), 1);
    EXPECT_EQ(shell.workAreaInvalidations(true), 0);
    EXPECT_FALSE(clockRunning()) << "power on does not start the generator clock";
}

TEST_F(PowerAndClockTest, PowerOffStopsTheClockAndResetsTheLevels) {
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    ASSERT_TRUE(clockRunning());
    window.OnTimer(timer::GeneratorClock);
    ASSERT_EQ(generatorOutput(), 1);
    ASSERT_EQ(triggerClock(), 1);
    shell.clearRecords();

    window.OnCommand(command::PowerOff);
    EXPECT_FALSE(window.isPowerOn());
    EXPECT_FALSE(clockRunning());
    EXPECT_EQ(generatorOutput(), 0);
    EXPECT_EQ(block(sample.generator).tickCounter, 0u);
    EXPECT_EQ(triggerClock(), 0);
    EXPECT_EQ(logicPins(sample.indicator)[0].value, 0);
    EXPECT_EQ(shell.workAreaInvalidations(true), 1);
    EXPECT_EQ(shell.workAreaInvalidations(false), 0);

    // Power on again: the generators stay at 0 until Start.
    window.OnCommand(command::PowerOn);
    EXPECT_FALSE(clockRunning());
    EXPECT_EQ(generatorOutput(), 0);
}

TEST_F(PowerAndClockTest, TicksSettleOnlyAtSwitchingPoints) {
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    std::vector<int> settlingTicks;
    std::vector<int> clockLevels;
    for (int tick = 1; tick <= 20; ++tick) {
        shell.clearRecords();
        window.OnTimer(timer::GeneratorClock);
        if (shell.workAreaInvalidations(false) == 1) settlingTicks.push_back(tick);
        EXPECT_EQ(shell.workAreaInvalidations(true), 0);
        clockLevels.push_back(triggerClock());
    }
    // A 1 s period with a 0.5 fill factor rises at counter 0 and falls at counter 4.
    EXPECT_EQ(settlingTicks, (std::vector<int>{1, 5, 11, 15}));
    const std::vector<int> onePeriod{1, 1, 1, 1, 0, 0, 0, 0, 0, 0};
    std::vector<int> twoPeriods = onePeriod;
    twoPeriods.insert(twoPeriods.end(), onePeriod.begin(), onePeriod.end());
    EXPECT_EQ(clockLevels, twoPeriods);
}

TEST_F(PowerAndClockTest, StartTwiceIsOneClockAndStopEndsIt) {
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    window.OnCommand(command::GeneratorStart);
    EXPECT_EQ(shell.runningTimers, (std::map<int, int>{{timer::GeneratorClock, 100}}));
    window.OnCommand(command::GeneratorStop);
    EXPECT_TRUE(shell.runningTimers.empty());
    // Stop keeps the counters: Start goes on where the clock stopped.
    window.OnTimer(timer::GeneratorClock);
    EXPECT_EQ(block(sample.generator).tickCounter, 1u);
    window.OnCommand(command::GeneratorStop);
    window.OnCommand(command::GeneratorStart);
    EXPECT_EQ(block(sample.generator).tickCounter, 1u);
}

TEST_F(PowerAndClockTest, DisabledCommandsChangeNothing) {
    EXPECT_TRUE(window.OnCommand(command::GeneratorStart));
    EXPECT_TRUE(window.OnCommand(command::PowerOff));
    EXPECT_TRUE(shell.runningTimers.empty());
    EXPECT_TRUE(shell.timerLog.empty());
    EXPECT_TRUE(shell.invalidations.empty());

    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    window.OnTimer(timer::GeneratorClock);
    shell.clearRecords();
    // A second power-on would reset the running generator.
    window.OnCommand(command::PowerOn);
    EXPECT_EQ(generatorOutput(), 1);
    EXPECT_TRUE(shell.invalidations.empty());
}

TEST_F(PowerAndClockTest, HelpCommandsOpenTheirBoxesAndExitIsLeftToTheWindow) {
    EXPECT_TRUE(window.OnCommand(command::HelpAbout));
    EXPECT_TRUE(window.OnCommand(command::HelpNote));
    EXPECT_EQ(shell.aboutShown, 1);
    EXPECT_EQ(shell.helpNoteShown, 1);
    EXPECT_FALSE(window.OnCommand(command::AppExit));
    EXPECT_FALSE(window.OnCommand(0)) << "the corner button's id is handled by no one";
}

// A circuit loaded with the power on keeps the levels it came with until F5.
TEST_F(PowerAndClockTest, SettleByHandBringsTheLevelsUpToDate) {
    EXPECT_FALSE(window.isCommandEnabled(command::PowerSettle));
    window.OnCommand(command::PowerOn);
    giveSample([](CCircuit& circuit, const SampleCircuit& slots) {
        circuit.logicElements[slots.inverter]->pins[9].value = 1;  // its input is 1
    });
    EXPECT_EQ(logicPins(sample.inverter)[9].value, 1);
    EXPECT_TRUE(window.status().levelsStale);
    EXPECT_TRUE(window.OnCommand(command::PowerSettle));
    EXPECT_EQ(logicPins(sample.inverter)[9].value, 0);
    EXPECT_EQ(logicPins(sample.indicator)[0].value, 0);
    EXPECT_FALSE(window.status().levelsStale);
    EXPECT_EQ(shell.workAreaInvalidations(false), 1);
}

// Q back to 0 and the armed clock forgotten, the generator at the start of its
// period; the circuit then settles from there.
TEST_F(PowerAndClockTest, ResetTriggersStartsTheCircuitOver) {
    giveSample([](CCircuit& circuit, const SampleCircuit& slots) {
        CBlockElement& trigger = *circuit.blockElements[slots.trigger];
        trigger.pins[9].value = 1;
        trigger.pins[10].value = 0;
        trigger.clockArmed = 1;
        trigger.latchedJ = 1;
    });
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    for (int tick = 0; tick < 3; ++tick) window.OnTimer(timer::GeneratorClock);
    ASSERT_EQ(generatorOutput(), 1);
    ASSERT_EQ(triggerClock(), 1);
    shell.clearRecords();
    EXPECT_TRUE(window.OnCommand(command::PowerResetTriggers));
    const CBlockElement& trigger = block(sample.trigger);
    EXPECT_EQ(std::vector<int>({trigger.pins[9].value, trigger.pins[10].value, trigger.clockArmed,
                                trigger.latchedJ, trigger.latchedK}),
              (std::vector<int>{0, 1, 0, 0, 0}));
    EXPECT_EQ(block(sample.generator).tickCounter, 0u);
    EXPECT_EQ(generatorOutput(), 0);
    EXPECT_EQ(triggerClock(), 0) << "settled after the reset";
    EXPECT_TRUE(clockRunning()) << "the clock goes on from the start of the period";
    EXPECT_EQ(shell.workAreaInvalidations(false), 1);
}

// One tick of the clock's own, without the clock: at counter 0 the generator rises
// and the trigger's clock follows; a tick between switching points paints nothing.
TEST_F(PowerAndClockTest, TickByHandIsOneTickOfTheClock) {
    EXPECT_FALSE(window.isCommandEnabled(command::GeneratorTick));
    window.OnCommand(command::PowerOn);
    shell.clearRecords();
    EXPECT_TRUE(window.OnCommand(command::GeneratorTick));
    EXPECT_EQ(block(sample.generator).tickCounter, 1u);
    EXPECT_EQ(triggerClock(), 1);
    EXPECT_EQ(shell.workAreaInvalidations(false), 1);
    EXPECT_FALSE(clockRunning());
    shell.clearRecords();
    window.OnCommand(command::GeneratorTick);
    EXPECT_EQ(block(sample.generator).tickCounter, 2u);
    EXPECT_TRUE(shell.invalidations.empty());
}

// The recording takes a column where the window's clock and toggles settle: at
// power on, at every tick (a switching point or not) and after a confirmed toggle;
// an undo and a power off add none, and power off keeps what was recorded.
TEST_F(PowerAndClockTest, TheRecordingFollowsThePowerTheClockAndTheToggles) {
    const analysis::CTimingRecording& recording = window.timingRecording();
    const analysis::SignalSource signal{EntrSignal, sample.signal, kOutputPin};
    const analysis::SignalSource generator{GTI, sample.generator, kOutputPin};
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    for (int tick = 0; tick < 3; ++tick) window.OnTimer(timer::GeneratorClock);
    shell.questionAnswers.push_back(true);
    const Point onSignal{block(sample.signal).x + 10, block(sample.signal).y + 10};
    window.OnLButtonDown(platform::MK_LBUTTON | platform::MK_CONTROL, onSignal);
    window.OnLButtonUp(platform::MK_CONTROL, onSignal);
    ASSERT_EQ(recording.endColumn(), 5U);
    EXPECT_EQ(recording.column(4).cause, analysis::ColumnCause::Manual);
    EXPECT_EQ(recording.column(4).tick, 3U);
    EXPECT_EQ(recording.level(signal, 3), true);
    EXPECT_EQ(recording.level(signal, 4), false);
    EXPECT_EQ(recording.level(generator, 0), false);
    EXPECT_EQ(recording.level(generator, 1), true);

    window.OnCommand(command::EditUndo);
    EXPECT_EQ(block(sample.signal).pins[kOutputPin].value, 1);
    EXPECT_EQ(recording.endColumn(), 5U);
    window.OnCommand(command::PowerOff);
    window.OnTimer(timer::GeneratorClock);
    EXPECT_FALSE(recording.isRecording());
    EXPECT_EQ(recording.endColumn(), 5U);
    EXPECT_EQ(recording.level(signal, 4), false);
}

}  // namespace
