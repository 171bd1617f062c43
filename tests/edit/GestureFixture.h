#pragma once
#include <gtest/gtest.h>

#include "edit/EditContext.h"
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

    // Every pin and wire end names its partner back.
    void expectSoundLinks() {
        const std::vector<std::string> faults =
            circuitLinkViolations(circuit, context.state.wireInProgress);
        EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
    }

    CCircuit circuit;
    EditState state;
    ScriptedShell shell;
    edit::EditContext context{circuit, state, shell, {}};
    CircuitBuilder build{circuit};
};
