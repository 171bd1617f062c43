#include "FileCommandTestFixture.h"
#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/CircuitChecks.h"

namespace {

// New and Open replace the circuit while an editing gesture may be under way.
class FileCommandReplacementTest : public FileCommandTest {
  protected:
    // A wire being drawn from the gate's free input, a Shift drag's hit lists, a
    // wire hit and both pending elements.
    void startEditing() {
        buildSampleCircuit();
        edit.wireInProgress = CircuitBuilder(circuit).stub(LogicElement, 0, 4, {80, 80});
        edit.logicHits = HitList{{0}};
        edit.blockHits = HitList{{0}};
        edit.wireHits = HitList{{1}};
        edit.pendingLogicElement = std::make_unique<CLogicElement>(false, 3, true);
        edit.pendingBlockElement = std::make_unique<CBlockElement>(Summer);
        pendingLogic = edit.pendingLogicElement.get();
        pendingBlock = edit.pendingBlockElement.get();
    }

    void expectOnlyPendingElementsLeft() {
        EXPECT_FALSE(edit.wireInProgress);
        EXPECT_FALSE(edit.continuedEnd);
        EXPECT_FALSE(edit.logicHits);
        EXPECT_FALSE(edit.blockHits);
        EXPECT_FALSE(edit.wireHits);
        EXPECT_EQ(edit.pendingLogicElement.get(), pendingLogic);
        EXPECT_EQ(edit.pendingBlockElement.get(), pendingBlock);
        EXPECT_EQ(circuitLinkViolations(circuit, edit.wireInProgress), std::vector<std::string>{});
    }

    CLogicElement* pendingLogic = nullptr;
    CBlockElement* pendingBlock = nullptr;
};

TEST_F(FileCommandReplacementTest, NewDropsWhatNamedTheOldRecordsAndKeepsPendingElements) {
    startEditing();
    shell.warningAnswers = {true};
    shell.fileNameAnswers = {std::nullopt};

    app::fileNew(context());

    EXPECT_TRUE(circuit.isEmpty());
    expectOnlyPendingElementsLeft();
    // The kept element can still be placed, into the first slot of the new circuit.
    ASSERT_TRUE(circuit.registerLogicElement(edit.pendingLogicElement));
    EXPECT_EQ(circuit.logicElement(0), pendingLogic);
    EXPECT_EQ(pendingLogic->index, 0);
}

TEST_F(FileCommandReplacementTest, OpenDropsAHeldEndOfTheOldCircuit) {
    writeFile("stored.vrt", otherCircuitBytes());
    startEditing();
    edit.wireInProgress.reset();
    edit.continuedEnd = WireEndRef{2, 1};
    shell.warningAnswers = {true};
    shell.fileNameAnswers = {"stored.vrt"};

    app::fileOpen(context());

    EXPECT_EQ(io::encodeCircuit(circuit), otherCircuitBytes());
    expectOnlyPendingElementsLeft();
}

TEST_F(FileCommandReplacementTest, CommandsThatKeepTheCircuitKeepTheEditing) {
    startEditing();
    const int32_t wire = *edit.wireInProgress;
    shell.warningAnswers = {false, true, true};
    shell.fileNameAnswers = {std::nullopt, "missing.vrt"};

    app::fileNew(context());
    app::fileOpen(context());
    app::fileOpen(context());

    EXPECT_EQ(edit.wireInProgress, wire);
    EXPECT_TRUE(edit.logicHits && edit.blockHits && edit.wireHits);
    EXPECT_NE(circuit.wire(wire), nullptr);
    EXPECT_EQ(shell.messageBoxes.size(), 1u);
}

}  // namespace
