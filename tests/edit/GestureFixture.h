#pragma once
#include <gtest/gtest.h>

#include "edit/EditContext.h"
#include "edit/MouseDispatch.h"
#include "model/Circuit.h"
#include "support/CircuitBuilder.h"
#include "support/CircuitChecks.h"
#include "support/ScriptedShell.h"

// A circuit, the editing state and a scripted desktop, as the main window holds them.
class GestureFixture : public ::testing::Test {
  protected:
    CLogicElement& gateAt(int32_t slot) { return *circuit.logicElements[slot]; }
    CBlockElement& blockAt(int32_t slot) { return *circuit.blockElements[slot]; }
    CWire& wireAt(int32_t slot) { return *circuit.wires[slot]; }
    WireEnd& endOf(int32_t wire, int32_t end) { return wireAt(wire).ends[end]; }

    // The messages a hand produces, in client coordinates.
    void press(int32_t x, int32_t y, uint32_t flags = platform::MK_LBUTTON) {
        edit::OnLButtonDown(context, flags, {x, y});
    }
    void move(int32_t x, int32_t y, uint32_t flags = 0) {
        edit::OnMouseMove(context, flags, {x, y});
    }
    void release(int32_t x, int32_t y, uint32_t flags = 0) {
        edit::OnLButtonUp(context, flags, {x, y});
    }
    void click(int32_t x, int32_t y, uint32_t flags = platform::MK_LBUTTON) {
        press(x, y, flags);
        release(x, y, flags & ~platform::MK_LBUTTON);
    }
    // Press, release, double click, release.
    void doubleClick(int32_t x, int32_t y) {
        click(x, y);
        edit::OnLButtonDblClk(context, platform::MK_LBUTTON, {x, y});
        release(x, y);
    }
    void rightClick(int32_t x, int32_t y) { edit::OnRButtonDown(context, 0, {x, y}); }

    bool noHitLists() const { return !state.logicHits && !state.blockHits && !state.wireHits; }

    // Every pin and wire end names its partner back.
    void expectSoundLinks() {
        const std::vector<std::string> faults =
            circuitLinkViolations(circuit, context.state.wireInProgress);
        EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
    }

    CCircuit circuit;
    EditState state;
    ScriptedShell shell;
    sim::CSimulator simulation{circuit};
    edit::EditContext context{circuit, state, shell, {}, simulation};
    CircuitBuilder build{circuit};
};
