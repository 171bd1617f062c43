#include "edit/ElementChanges.h"

#include "GestureFixture.h"
#include "sim/Simulation.h"

namespace {

using platform::MessageBoxStyle;

// A gate at (100, 100) whose chosen inputs carry wires from input signals.
class LogicChangeTest : public GestureFixture {
  protected:
    int32_t wiredGate(uint16_t inputs, std::initializer_list<int> wiredPins) {
        gate = build.gate(true, inputs, false, 100, 100);
        for (int pin : wiredPins) {
            const int32_t signal = build.block(EntrSignal, 0, 10 * pin);
            wires.push_back(build.wire(EntrSignal, signal, 9, LogicElement, gate, pin));
        }
        return gate;
    }
    // Answers the confirmation and the dialog, and the warning when one is shown.
    void change(uint32_t newInputs, bool acceptWarning = true) {
        shell.questionAnswers.push_back(true);
        shell.logicElementAnswers.push_back(LogicElementParams{true, newInputs, false});
        shell.messageBoxAnswers.push_back(acceptWarning);
        edit::changeLogicElement(context, gate);
        expectSoundLinks();
    }
    std::vector<std::string> warningTexts() const {
        std::vector<std::string> texts;
        for (const auto& box : shell.messageBoxes) texts.push_back(box.text);
        return texts;
    }
    // The gate pin that wire `w`'s end 1 names, or -1 when that end is free.
    int pinOfWire(size_t w) {
        const WireEnd& end = endOf(wires[w], 1);
        return end.kind == LogicElement ? end.slot : -1;
    }

    int32_t gate = 0;
    std::vector<int32_t> wires;
};

TEST_F(LogicChangeTest, FiveToTwoInputsWarnsOnceAndKeepsTheTopWires) {
    wiredGate(5, {0, 1, 3});
    change(2);

    ASSERT_EQ(shell.messageBoxes.size(), 1u);
    EXPECT_EQ(shell.messageBoxes[0].text,
              "1 проводник, подсоединенный к нижнему выводу, потеряет контакт с элементом!");
    EXPECT_EQ(shell.messageBoxes[0].caption, "");
    EXPECT_EQ(shell.messageBoxes[0].style, MessageBoxStyle::OkCancelExclamation);

    EXPECT_EQ(pinOfWire(0), 0);
    EXPECT_EQ(pinOfWire(1), 4);
    EXPECT_EQ(pinOfWire(2), -1);
    EXPECT_EQ(endOf(wires[0], 1).position(), (Point{100, 105}));
    EXPECT_EQ(endOf(wires[1], 1).position(), (Point{100, 125}));
    EXPECT_EQ(endOf(wires[2], 1).position(), (Point{100, 120})) << "the freed end stays put";
    const CLogicElement& changed = gateAt(gate);
    EXPECT_EQ(changed.inputCount, 2);
    EXPECT_EQ(changed.bodyBitmap, bitmap::Gate2);
    EXPECT_EQ(changed.pins[4].wireIndex, wires[1]);
    for (int pin : {1, 2, 3})
        EXPECT_FALSE(changed.pins[pin].present || changed.pins[pin].connected);
}

TEST_F(LogicChangeTest, RefusingTheWarningChangesNothing) {
    wiredGate(5, {0, 1, 2, 3, 4});
    const Pins before = gateAt(gate).pins;
    change(1, false);
    EXPECT_EQ(warningTexts(),
              std::vector<std::string>{"4 проводника, подсоединенных к нижним выводам, потеряют "
                                       "контакт с элементом!"});
    EXPECT_EQ(gateAt(gate).inputCount, 5);
    for (size_t w = 0; w < wires.size(); ++w) EXPECT_EQ(pinOfWire(w), static_cast<int>(w));
    for (int p = 0; p < kPinCount; ++p)
        EXPECT_EQ(gateAt(gate).pins[p].connected, before[p].connected);
}

TEST_F(LogicChangeTest, NineInputsTakeTheWiresTopDownAndMoveTheOutputEnd) {
    wiredGate(5, {0, 1, 3});
    const int32_t display = build.indicator(200, 100);
    const int32_t output = build.wire(LogicElement, gate, 9, Indicator, display, 0);
    EXPECT_EQ(endOf(output, 0).position(), (Point{130, 115}));
    change(9);

    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(pinOfWire(0), 0);
    EXPECT_EQ(pinOfWire(1), 1);
    EXPECT_EQ(pinOfWire(2), 2);
    EXPECT_EQ(endOf(wires[2], 1).position(), (Point{100, 115})) << "5 pixels higher than pin 3";
    EXPECT_EQ(endOf(output, 0).position(), (Point{130, 125}));
    EXPECT_EQ(gateAt(gate).height, 50);
}

TEST_F(LogicChangeTest, FiveLostWiresUseTheManyForm) {
    wiredGate(7, {0, 1, 2, 3, 4, 5, 6});
    change(2);
    EXPECT_EQ(warningTexts(),
              std::vector<std::string>{"5 проводников, подсоединенных к нижним выводам, потеряют "
                                       "контакт с элементом!"});
    EXPECT_EQ(pinOfWire(0), 0);
    EXPECT_EQ(pinOfWire(1), 4);
    for (size_t w = 2; w < wires.size(); ++w) EXPECT_EQ(pinOfWire(w), -1);
}

TEST_F(LogicChangeTest, EightLostWiresLeaveTheTopOneOnTheSingleInput) {
    wiredGate(9, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    change(1);
    EXPECT_EQ(warningTexts(),
              std::vector<std::string>{"8 проводников, подсоединенных к нижним выводам, потеряют "
                                       "контакт с элементом!"});
    EXPECT_EQ(pinOfWire(0), 2);
    EXPECT_EQ(endOf(wires[0], 1).position(), (Point{100, 115}));
    for (size_t w = 1; w < wires.size(); ++w) EXPECT_EQ(pinOfWire(w), -1);
}

TEST(LostWiresWarning, NumberFormsFollowTheCount) {
    EXPECT_EQ(edit::lostWiresWarning(2).rfind("2 проводника, подсоединенных", 0), 0u);
    EXPECT_EQ(edit::lostWiresWarning(3).rfind("3 проводника,", 0), 0u);
    EXPECT_EQ(edit::lostWiresWarning(6).rfind("6 проводников,", 0), 0u);
}

TEST_F(LogicChangeTest, DialogIsPresetFromTheGateAndCancelOrAnAnswerOutOfLimitsStopsEarly) {
    gate = build.gate(false, 7, true, 100, 100);
    shell.questionAnswers.push_back(false);
    edit::changeLogicElement(context, gate);
    EXPECT_EQ(shell.questions, (std::vector<std::pair<std::string, std::string>>{
                                   {"Изменить параметры", "логического элемента?"}}));
    EXPECT_TRUE(shell.logicElementPresets.empty());

    shell.questionAnswers.push_back(true);
    shell.logicElementAnswers.push_back(std::nullopt);
    edit::changeLogicElement(context, gate);
    ASSERT_EQ(shell.logicElementPresets.size(), 1u);
    EXPECT_EQ(shell.logicElementPresets[0], (LogicElementParams{false, 7, true}));
    EXPECT_EQ(gateAt(gate).inputCount, 7);
    EXPECT_EQ(gateAt(gate).isConjunction, 0);

    // Beyond the limits is as good as Cancel.
    shell.questionAnswers.push_back(true);
    shell.logicElementAnswers.push_back(LogicElementParams{true, 10, false});
    edit::changeLogicElement(context, gate);
    EXPECT_EQ(gateAt(gate).inputCount, 7);
}

TEST_F(LogicChangeTest, OutputTakesTheNewInversionWhateverTheInputs) {
    gate = build.gate(true, 2, false, 100, 100);
    gateAt(gate).pins[0].value = gateAt(gate).pins[4].value = gateAt(gate).pins[9].value = 1;
    edit::changeLogicParameters(circuit, false, false, 3, 0, gate);
    EXPECT_EQ(gateAt(gate).pins[9].value, 0);
    edit::changeLogicParameters(circuit, true, true, 3, 0, gate);
    EXPECT_EQ(gateAt(gate).pins[9].value, 1);
    EXPECT_EQ(gateAt(gate).outputBitmap, bitmap::OutputInverted);
}

// The start pin of a wire being drawn is linked only when the wire is finished; the
// rebuild must still carry the wire's start end along, or drop it, like the others.
TEST_F(LogicChangeTest, WireBeingDrawnFromTheGateFollowsItsStartPin) {
    wiredGate(5, {0});
    const int32_t drawn = build.stub(LogicElement, gate, 3, {60, 120});
    gateAt(gate).pins[3].connected = 0;
    gateAt(gate).pins[3].linkKind = kLinkNone;
    state.wireInProgress = drawn;
    change(2);
    EXPECT_TRUE(shell.messageBoxes.empty());
    EXPECT_EQ(endOf(drawn, 0), (WireEnd{100, 125, LogicElement, gate, 4}));
    EXPECT_FALSE(gateAt(gate).pins[4].connected) << "linked only when the wire is finished";

    change(1);
    ASSERT_EQ(warningTexts().size(), 1u) << "the wire being drawn counts as a wire";
    EXPECT_EQ(endOf(drawn, 0).kind, kLinkNone);
    EXPECT_EQ(pinOfWire(0), 2);
    EXPECT_FALSE(gateAt(gate).pins[3].connected || gateAt(gate).pins[3].present);
}

TEST_F(LogicChangeTest, IndicatorIsNeverChanged) {
    const int32_t display = build.indicator(100, 100);
    edit::changeLogicElement(context, display);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_EQ(circuit.logicElements[display]->kind, Indicator);
}

class BlockChangeTest : public GestureFixture {};

TEST_F(BlockChangeTest, InputSignalToggledWithThePowerOffSettlesAtOnce) {
    const int32_t signal = build.block(EntrSignal, 0, 100);
    const int32_t buffer = build.gate(false, 1, false, 100, 100);
    const int32_t display = build.indicator(200, 100);
    build.wire(EntrSignal, signal, 9, LogicElement, buffer, 2);
    build.wire(LogicElement, buffer, 9, Indicator, display, 0);

    shell.questionAnswers.push_back(true);
    edit::changeBlockElement(context, signal);
    EXPECT_EQ(shell.questions, (std::vector<std::pair<std::string, std::string>>{
                                   {"Изменить состояние", "элемента на противоположное?"}}));
    EXPECT_EQ(blockAt(signal).pins[9].value, 1);
    EXPECT_EQ(gateAt(display).pins[0].value, 1) << "settled although the power is off";
    EXPECT_EQ(shell.workAreaInvalidations(false), 1);

    sim::switchPowerOn(circuit);
    EXPECT_EQ(gateAt(buffer).pins[9].value, 1);
    EXPECT_EQ(gateAt(display).pins[0].value, 1);
    expectSoundLinks();
}

TEST_F(BlockChangeTest, TriggerFlipsBothOutputsOnlyOnOk) {
    const int32_t trigger = build.block(Trigger, 100, 100);
    shell.questionAnswers.push_back(false);
    edit::changeBlockElement(context, trigger);
    EXPECT_EQ(blockAt(trigger).pins[9].value, 0);
    EXPECT_EQ(blockAt(trigger).pins[10].value, 1);
    EXPECT_EQ(shell.workAreaInvalidations(false), 0);

    shell.questionAnswers.push_back(true);
    edit::changeBlockElement(context, trigger);
    EXPECT_EQ(blockAt(trigger).pins[9].value, 1);
    EXPECT_EQ(blockAt(trigger).pins[10].value, 0);
}

TEST_F(BlockChangeTest, GeneratorGetsNewTimingWithoutSettling) {
    const int32_t generator = build.block(GTI, 100, 100);
    blockAt(generator).setupGenerator(20, 10, 5);
    blockAt(generator).tickCounter = 7;
    blockAt(generator).pins[9].value = 1;
    shell.generatorAnswers.push_back(GeneratorParams{1.0f, 0.7f, 0.0f});
    edit::changeBlockElement(context, generator);

    EXPECT_TRUE(shell.questions.empty());
    ASSERT_EQ(shell.generatorPresets.size(), 1u);
    EXPECT_EQ(shell.generatorPresets[0], (GeneratorParams{2.0f, 0.5f, 0.5f}));
    const CBlockElement& changed = blockAt(generator);
    EXPECT_EQ(changed.periodTicks, 10u);
    EXPECT_EQ(changed.pulseTicks, 6u);
    EXPECT_EQ(changed.delayTicks, 0u);
    EXPECT_EQ(changed.tickCounter, 0u);
    EXPECT_EQ(changed.pins[9].value, 1) << "the level waits for the next switching point";
    EXPECT_EQ(shell.workAreaInvalidations(false), 0);
}

TEST_F(BlockChangeTest, AnswersOutsideTheLimitsChangeNothing) {
    const int32_t generator = build.block(GTI, 100, 100);
    blockAt(generator).setupGenerator(20, 10, 5);
    shell.generatorAnswers.push_back(GeneratorParams{1.0f, 0.95f, 0.0f});
    edit::changeBlockElement(context, generator);
    EXPECT_EQ(blockAt(generator).pulseTicks, 10u);
    EXPECT_FALSE(state.elementChangedByUser);
}

TEST_F(BlockChangeTest, SummerIsNeverChanged) {
    const int32_t summer = build.block(Summer, 100, 100);
    edit::changeBlockElement(context, summer);
    EXPECT_TRUE(shell.log.empty());
    EXPECT_TRUE(shell.invalidations.empty());
}

}  // namespace
