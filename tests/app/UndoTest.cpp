#include <gtest/gtest.h>

#include "app/CircuitSnapshot.h"
#include "app/CommandIds.h"
#include "app/UndoHistory.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "support/RecordingCanvas.h"
#include "support/SampleCircuit.h"
#include "support/ScriptedShell.h"

namespace {

// What the random sessions cannot see in the file bytes: the state the file does not
// hold, and the settling of a restored circuit while the power is on. The sample
// circuit comes in through the window's door, the first step of the history.
class UndoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CCircuit circuit;
        sample = buildSampleCircuit(circuit);
        CBlockElement& trigger = *circuit.blockElements[sample.trigger];
        trigger.latchedJ = 1;
        trigger.clockArmed = 1;
        trigger.drawState = kDrawStateDisabled;
        circuit.blockElements[sample.generator]->tickCounter = 7;
        window.replaceCircuit(std::move(circuit), "");
        ASSERT_EQ(window.history().undoCount(), 1u);
    }
    // Places a summer in an empty corner: one step.
    void placeSummer() {
        window.OnCommand(command::InsertSummer);
        window.OnMouseMove(0, {400, 300});
        window.OnLButtonDown(platform::MK_LBUTTON, {400, 300});
        window.OnLButtonUp(0, {400, 300});
        ASSERT_TRUE(window.isCommandEnabled(command::EditUndo));
    }
    const Pins& inverterPins() const {
        return window.circuit().logicElements[sample.inverter]->pins;
    }
    const CBlockElement& block(int32_t slot) const { return *window.circuit().blockElements[slot]; }

    ScriptedShell shell;
    CVortafrm window{shell};
    SampleCircuit sample;
};

TEST_F(UndoTest, UndoAndRedoRestoreEveryFieldOfEveryRecord) {
    const CBlockElement trigger = block(sample.trigger);
    const CBlockElement generator = block(sample.generator);
    const std::vector<uint8_t> before = io::encodeCircuit(window.circuit());
    placeSummer();
    // The power on and off again changes levels and the generator's count, no step.
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::PowerOff);
    const std::vector<uint8_t> undone = io::encodeCircuit(window.circuit());
    const CBlockElement undoneGenerator = block(sample.generator);
    ASSERT_NE(undoneGenerator.tickCounter, generator.tickCounter);

    window.OnCommand(command::EditUndo);
    EXPECT_EQ(io::encodeCircuit(window.circuit()), before);
    EXPECT_EQ(block(sample.trigger), trigger) << "latches, drawing state";
    EXPECT_EQ(block(sample.generator), generator) << "the generator's count";
    EXPECT_EQ(window.history().undoCount(), 1u) << "only the sample's own step is left";
    EXPECT_TRUE(window.isCommandEnabled(command::EditRedo));

    window.OnCommand(command::EditRedo);
    EXPECT_EQ(io::encodeCircuit(window.circuit()), undone);
    EXPECT_EQ(block(sample.generator), undoneGenerator) << "as it was undone";
}

TEST_F(UndoTest, WithThePowerOnTheRestoredCircuitSettles) {
    // The inverter's levels are those of a circuit that never settled: input 0, output 1.
    ASSERT_EQ(inverterPins()[9].value, 1);
    placeSummer();
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::EditUndo);
    EXPECT_EQ(window.circuit().blockElements[3], nullptr) << "the summer is gone";
    EXPECT_EQ(inverterPins()[2].value, 1);
    EXPECT_EQ(inverterPins()[9].value, 0);
}

TEST_F(UndoTest, NothingIsUndoneWhileAGestureIsUnderWay) {
    placeSummer();
    window.OnCommand(command::InsertTrigger);
    EXPECT_FALSE(window.isCommandEnabled(command::EditUndo));
    window.OnCommand(command::EditUndo);
    EXPECT_NE(window.circuit().blockElements[3], nullptr) << "the disabled command did nothing";
    window.OnRButtonDown(0, {0, 0});  // the waiting trigger is discarded
    EXPECT_TRUE(window.isCommandEnabled(command::EditUndo));
}

// A gate's dialog confirmed with the parameters it has leaves nothing to undo;
// confirmed with others, it is a step.
TEST_F(UndoTest, AGateDialogConfirmedUnchangedIsNoStep) {
    const Point onInverter{155, 55};
    for (const bool changed : {false, true}) {
        shell.questionAnswers.push_back(true);
        shell.logicElementAnswers.push_back(LogicElementParams{changed, 1, true});
        window.OnLButtonDown(platform::MK_LBUTTON | platform::MK_CONTROL, onInverter);
        window.OnLButtonUp(platform::MK_CONTROL, onInverter);
        ASSERT_EQ(shell.unanswered, 0);
        EXPECT_EQ(window.history().undoCount(), changed ? 2u : 1u);
    }
}

// Painting only reads the circuit: generators that switch and are drawn while the
// Shift button is held make no step of a press that moved nothing.
TEST_F(UndoTest, APressThatMovesNothingIsNoStepWhileGeneratorsSwitchAndShow) {
    window.OnCommand(command::PowerOn);
    window.OnCommand(command::GeneratorStart);
    const size_t stepsBefore = window.history().undoCount();
    const Point onTrigger{160, 160};
    window.OnLButtonDown(platform::MK_LBUTTON | platform::MK_SHIFT, onTrigger);
    for (int tick = 0; tick < 10; ++tick) {
        window.OnTimer(timer::GeneratorClock);
        RecordingCanvas canvas;
        window.OnPaint(canvas);
    }
    window.OnLButtonUp(platform::MK_SHIFT, onTrigger);
    EXPECT_EQ(window.history().undoCount(), stepsBefore);
}

// A history with small limits: each step copies one wire of 40 points.
TEST(UndoHistoryTest, TheOldestStepsGoPastEitherLimit) {
    CCircuit circuit;
    circuit.wires[0] = std::make_unique<CWire>();
    circuit.wires[0]->points.assign(40, Point{});
    auto makeSteps = [&circuit](app::CUndoHistory& history, int count) {
        for (int32_t n = 1; n <= count; ++n) {
            history.openStep(circuit);
            circuit.wires[0]->points[0].x = 5 * n;
            history.closeStep(circuit, false);
        }
    };
    app::CUndoHistory byCount({.steps = 3, .bytes = size_t{1} << 20});
    makeSteps(byCount, 5);
    EXPECT_EQ(byCount.undoCount(), 3u);
    std::string name;
    while (byCount.canUndo()) byCount.undo(circuit, name);
    EXPECT_EQ(circuit.wires[0]->points[0].x, 10) << "steps 3 to 5 are kept";

    app::CUndoHistory byBytes({.steps = 100, .bytes = 1});
    makeSteps(byBytes, 4);
    EXPECT_EQ(byBytes.undoCount(), 1u) << "the newest step stays even over the budget";
    app::CUndoHistory roomForTwo({.steps = 100, .bytes = 2 * byBytes.bytes()});
    makeSteps(roomForTwo, 4);
    EXPECT_EQ(roomForTwo.undoCount(), 2u);
    EXPECT_LE(roomForTwo.bytes(), 2 * byBytes.bytes());
}

// A click that changes nothing leaves its copy, and the next step copies over it:
// records gone, new or of another size since then come back exactly on undo.
TEST(UndoHistoryTest, AStepCopiedOverAnEarlierCopyTakesBackEveryRecord) {
    CCircuit circuit;
    circuit.wires[0] = std::make_unique<CWire>();
    circuit.wires[0]->points.assign(40, Point{});
    circuit.wires[1] = std::make_unique<CWire>();
    circuit.blockElements[0] = std::make_unique<CBlockElement>(Trigger);
    app::CUndoHistory history;
    history.openStep(circuit);
    history.closeStep(circuit, false);
    ASSERT_FALSE(history.canUndo());

    circuit.wires[0]->points.resize(2);
    circuit.wires[0]->highlighted = 1;
    circuit.wires[1].reset();
    circuit.wires[2] = std::make_unique<CWire>();
    circuit.blockElements[0]->latchedJ = 1;
    const CCircuit before = copyTables(circuit);
    history.openStep(circuit);
    circuit.wires[2]->points.push_back({5, 5});
    circuit.blockElements[0].reset();
    history.closeStep(circuit, false);

    std::string name;
    history.undo(circuit, name);
    EXPECT_EQ(*circuit.wires[0], *before.wires[0]);
    EXPECT_EQ(circuit.wires[1], nullptr);
    EXPECT_EQ(*circuit.wires[2], *before.wires[2]);
    EXPECT_EQ(*circuit.blockElements[0], *before.blockElements[0]);
}

// The power and the clock change levels without the user: those alone make no step.
TEST(UndoHistoryTest, ChangedLevelsAloneAreAStepOnlyWhenTheUserChangedAnElement) {
    CCircuit circuit;
    circuit.blockElements[0] = std::make_unique<CBlockElement>(Trigger);
    app::CUndoHistory history;
    for (const bool byUser : {false, true}) {
        history.openStep(circuit);
        circuit.blockElements[0]->pins[kTriggerQ].value ^= 1;
        circuit.blockElements[0]->clockArmed ^= 1;
        history.closeStep(circuit, byUser);
        EXPECT_EQ(history.canUndo(), byUser);
    }
}

}  // namespace
