#include <gtest/gtest.h>

#include <algorithm>

#include "app/CircuitSnapshot.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "support/FrameChecks.h"
#include "support/ScriptedShell.h"

namespace {

// The window checker that runs after every random message must see each kind of
// broken state, and nothing in a sound one. A window drawn at rest is checked, then
// a copy of its circuit with an editing state broken by hand.
class FrameCheckerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        place(command::InsertEntrSignal, 100, 100);
        place(command::InsertIndicator, 300, 100);
        shell.pinAnswers = {9, 0};
        click(110, 105);
        click(310, 105);
        ASSERT_NE(window.circuit().wire(0), nullptr);
        ASSERT_TRUE(frameViolations(window).empty())
            << ::testing::PrintToString(frameViolations(window));
        ASSERT_FALSE(gestureUnderWay(window.editState()));
        circuit = copyTables(window.circuit());
    }
    void click(int32_t x, int32_t y) {
        window.OnLButtonDown(platform::MK_LBUTTON, {x, y});
        window.OnLButtonUp(0, {x, y});
    }
    void place(int command, int32_t x, int32_t y) {
        window.OnCommand(command);
        window.OnMouseMove(0, {x, y});
        click(x, y);
    }
    bool reports(const std::string& words) {
        const auto violations = frameViolations(circuit, state);
        return std::any_of(violations.begin(), violations.end(), [&](const std::string& v) {
            return v.find(words) != std::string::npos;
        });
    }
    std::string joined() { return ::testing::PrintToString(frameViolations(circuit, state)); }

    ScriptedShell shell;
    CVortafrm window{shell};
    CCircuit circuit;
    EditState state;
};

TEST_F(FrameCheckerTest, StaleEditingReferencesAreReported) {
    state.wireInProgress = 5;
    EXPECT_TRUE(reports("wire in progress 5")) << joined();
    state.wireInProgress.reset();

    state.continuedEnd = WireEndRef{0, 1};
    EXPECT_TRUE(reports("continued end is not a free own end")) << "end 1 sits on a pin";
    state.continuedEnd = WireEndRef{3, 0};
    EXPECT_TRUE(reports("continued end names no live wire end"));
    state.continuedEnd.reset();

    state.logicHits = HitList{{0, 7}};
    EXPECT_TRUE(reports("logic hit list names empty slot 7")) << joined();
    state.logicHits.reset();
    state.wireHits = HitList{};
    EXPECT_TRUE(reports("wire hit list is empty"));
}

TEST_F(FrameCheckerTest, ACircuitThatReadsBackOtherwiseIsReported) {
    Pin& pin = circuit.logicElements[0]->pins[0];
    pin.wireIndex = 40;
    EXPECT_TRUE(reports("reads back into other bytes")) << joined();
    EXPECT_TRUE(reports("names a missing wire end"));
}

}  // namespace
