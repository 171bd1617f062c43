#include <gtest/gtest.h>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "render/Scrolling.h"
#include "support/CircuitChecks.h"
#include "support/ScriptedShell.h"

namespace {

using platform::MK_CONTROL;
using platform::MK_LBUTTON;
using platform::MK_SHIFT;

// The main window fed with what a student's hand produces.
class StudentSessionTest : public ::testing::Test {
  protected:
    void click(int32_t x, int32_t y, uint32_t modifiers = 0) {
        window.OnLButtonDown(MK_LBUTTON | modifiers, {x, y});
        window.OnLButtonUp(modifiers, {x, y});
    }
    // An insert command, then the pointer carrying the element to (x, y) and a click.
    void place(int command, int32_t x, int32_t y) {
        EXPECT_TRUE(window.OnCommand(command));
        window.OnMouseMove(0, {x, y});
        click(x, y);
    }
    void expectSoundLinks() const {
        const auto faults =
            circuitLinkViolations(window.circuit(), window.editState().wireInProgress);
        EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
    }
    const CLogicElement& logic(int32_t slot) const { return *window.circuit().logicElements[slot]; }
    const CBlockElement& block(int32_t slot) const { return *window.circuit().blockElements[slot]; }

    ScriptedShell shell;
    CVortafrm window{shell};
};

TEST_F(StudentSessionTest, BuildRunToggleMoveAndDelete) {
    // An input signal, a one-input inverted gate and an indicator.
    place(command::InsertEntrSignal, 100, 100);
    shell.logicElementAnswers.push_back(LogicElementParams{true, 1, true});
    place(command::InsertLogicElement, 200, 100);
    place(command::InsertIndicator, 300, 100);
    ASSERT_NE(window.circuit().blockElement(0), nullptr);
    ASSERT_NE(window.circuit().logicElement(1), nullptr);
    EXPECT_EQ(logic(1).kind, Indicator);

    // Signal pin 9 to gate pin 2 with a bend, then gate pin 9 to indicator pin 0.
    shell.pinAnswers = {9, 2, 9, 0};
    click(110, 105);
    window.OnMouseMove(0, {160, 140});
    click(160, 140);
    click(215, 105);
    click(215, 105);
    window.OnMouseMove(0, {300, 105});
    click(310, 105);
    EXPECT_FALSE(window.editState().wireInProgress);
    EXPECT_EQ(shell.unanswered, 0);
    ASSERT_NE(window.circuit().wire(1), nullptr);
    EXPECT_EQ(window.circuit().wires[0]->points,
              (std::vector<Point>{{125, 110}, {130, 110}, {130, 115}, {200, 115}}));
    expectSoundLinks();

    window.OnCommand(command::PowerOn);
    EXPECT_EQ(logic(1).pins[0].value, 1) << "the inverter turns the signal's 0 into 1";

    shell.questionAnswers.push_back(true);
    click(110, 105, MK_CONTROL);
    EXPECT_EQ(block(0).pins[9].value, 1);
    EXPECT_EQ(logic(1).pins[0].value, 0);

    // Shift-drag the gate by its body; the wires' ends follow its pins.
    window.OnLButtonDown(MK_LBUTTON | MK_SHIFT, {215, 110});
    window.OnMouseMove(MK_LBUTTON, {253, 203});
    window.OnLButtonUp(0, {253, 203});
    EXPECT_EQ((Point{logic(0).x, logic(0).y}), (Point{255, 205}));
    EXPECT_EQ(window.circuit().wires[0]->ends[1].position(), (Point{255, 220}));
    EXPECT_EQ(window.circuit().wires[1]->ends[0].position(), (Point{285, 220}));
    expectSoundLinks();

    // A right click on the first wire's last run deletes it after the confirmation.
    shell.deleteAnswers.push_back(true);
    window.OnRButtonDown(0, {160, 115});
    EXPECT_EQ(window.circuit().wire(0), nullptr);
    EXPECT_FALSE(block(0).pins[9].connected);
    EXPECT_FALSE(logic(0).pins[2].connected);
    EXPECT_NE(window.circuit().wire(1), nullptr);
    expectSoundLinks();
}

TEST_F(StudentSessionTest, InsertedElementStartsUnderThePointerOrTopLeft) {
    window.OnHScroll(render::ThumbPosition, 50);
    shell.pointer = Point{53, 47};
    window.OnCommand(command::InsertSummer);
    ASSERT_TRUE(window.editState().pendingBlockElement);
    EXPECT_EQ((Point{window.editState().pendingBlockElement->x,
                     window.editState().pendingBlockElement->y}),
              (Point{105, 45}));

    shell.pointer.reset();
    window.OnCommand(command::InsertIndicator);
    ASSERT_TRUE(window.editState().pendingLogicElement);
    EXPECT_EQ((Point{window.editState().pendingLogicElement->x,
                     window.editState().pendingLogicElement->y}),
              (Point{70, 0}));
}

}  // namespace
