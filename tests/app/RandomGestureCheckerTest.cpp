#include <gtest/gtest.h>

#include <algorithm>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "support/FrameChecks.h"
#include "support/ScriptedShell.h"

namespace {

// The window checker that runs after every random message must see each kind of
// broken state, and nothing in a sound one.
class FrameCheckerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        place(command::InsertEntrSignal, 100, 100);
        place(command::InsertIndicator, 300, 100);
        shell.pinAnswers = {9, 0};
        click(110, 105);
        click(310, 105);
        ASSERT_NE(window.circuit.wire(0), nullptr);
        ASSERT_TRUE(frameViolations(window).empty()) << joined();
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
        const auto violations = frameViolations(window);
        return std::any_of(violations.begin(), violations.end(), [&](const std::string& v) {
            return v.find(words) != std::string::npos;
        });
    }
    std::string joined() { return ::testing::PrintToString(frameViolations(window)); }

    ScriptedShell shell;
    CVortafrm window{shell};
};

TEST_F(FrameCheckerTest, StaleEditingReferencesAreReported) {
    window.edit.wireInProgress = 5;
    EXPECT_TRUE(reports("wire in progress 5")) << joined();
    window.edit.wireInProgress.reset();

    window.edit.continuedEnd = WireEndRef{0, 1};
    EXPECT_TRUE(reports("continued end is not a free own end")) << "end 1 sits on a pin";
    window.edit.continuedEnd = WireEndRef{3, 0};
    EXPECT_TRUE(reports("continued end names no live wire end"));
    window.edit.continuedEnd.reset();

    window.edit.logicHits = HitList{{0, 7}};
    EXPECT_TRUE(reports("logic hit list names empty slot 7")) << joined();
    window.edit.logicHits.reset();
    window.edit.wireHits = HitList{};
    EXPECT_TRUE(reports("wire hit list is empty"));
}

TEST_F(FrameCheckerTest, ACircuitThatReadsBackOtherwiseIsReported) {
    Pin& pin = window.circuit.logicElements[0]->pins[0];
    pin.wireIndex = 40;
    EXPECT_TRUE(reports("reads back into other bytes")) << joined();
    EXPECT_TRUE(reports("names a missing wire end"));
}

}  // namespace
