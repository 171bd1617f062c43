#include <gtest/gtest.h>

#include <random>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/CircuitChecks.h"
#include "support/ScriptedShell.h"

namespace {

int32_t elements(const CCircuit& circuit) {
    int32_t count = 0;
    for (const auto& e : circuit.logicElements) count += e != nullptr;
    for (const auto& e : circuit.blockElements) count += e != nullptr;
    return count;
}

// After the view moves under a pointer that stays put, the element being placed is
// under the pointer at once, not after the next movement.
TEST(GroupCommandsTest, ThePendingElementMovesWithTheViewAtOnce) {
    struct ViewChange {
        const char* what;
        void (*apply)(CVortafrm&);
    };
    const ViewChange changes[] = {
        {"Ctrl+wheel",
         [](CVortafrm& w) {
             w.OnMouseWheel(platform::MK_CONTROL, {0, 120}, {300, 200});
         }},
        {"Крупнее", [](CVortafrm& w) { w.OnCommand(command::ViewZoomIn); }},
        {"the wheel",
         [](CVortafrm& w) {
             w.OnMouseWheel(0, {0, -240}, {300, 200});
         }},
        {"Shift+wheel",
         [](CVortafrm& w) {
             w.OnMouseWheel(platform::MK_SHIFT, {0, -240}, {300, 200});
         }},
    };
    for (const ViewChange& change : changes) {
        ScriptedShell shell;
        shell.pointer = Point{300, 200};
        CVortafrm window{shell};
        window.OnSize(640, 480);
        window.OnCommand(command::InsertIndicator);
        const Viewport before = window.viewport();
        change.apply(window);
        ASSERT_NE(window.viewport(), before) << change.what;
        const CLogicElement& pending = *window.editState().pendingLogicElement;
        EXPECT_EQ((Point{pending.x, pending.y}), window.viewport().toSnappedWorkArea({300, 200}))
            << change.what;
    }
}

// The clipboard holds the chosen pair as the bytes of its own file and a picture;
// the paste is one step from Ctrl+V to the click, a cut another.
TEST(GroupCommandsTest, CopyPasteAndCutAreOneStepEach) {
    ScriptedShell shell;
    shell.pointer = Point{300, 200};
    CVortafrm window{shell};
    window.OnSize(640, 480);
    CCircuit pair;
    CircuitBuilder build{pair};
    const int32_t signal = build.block(EntrSignal, 100, 100);
    const int32_t indicator = build.indicator(200, 100);
    build.wire(EntrSignal, signal, kOutputPin, Indicator, indicator, 0);
    const std::vector<uint8_t> pairBytes = io::encodeCircuit(pair);
    window.replaceCircuit(std::move(pair), "");
    const size_t steps = window.history().undoCount();

    EXPECT_FALSE(window.isCommandEnabled(command::EditCopy)) << "nothing is chosen yet";
    window.OnCommand(command::EditSelectAll);
    window.OnCommand(command::EditCopy);
    EXPECT_EQ(shell.clipboard, pairBytes);
    EXPECT_GT(shell.clipboardPictureSize.width, 100);
    window.OnCommand(command::EditPaste);
    EXPECT_FALSE(window.isCommandEnabled(command::EditUndo)) << "the paste is under way";
    window.OnMouseMove(0, {300, 300});
    window.OnLButtonDown(platform::MK_LBUTTON, {300, 300});
    window.OnLButtonUp(0, {300, 300});
    EXPECT_EQ(elements(window.circuit()), 4);
    EXPECT_EQ(window.history().undoCount(), steps + 1);

    window.OnCommand(command::EditCut);
    EXPECT_EQ(elements(window.circuit()), 2);
    EXPECT_EQ(window.history().undoCount(), steps + 2);
    window.OnCommand(command::EditUndo);
    window.OnCommand(command::EditUndo);
    EXPECT_EQ(io::encodeCircuit(window.circuit()), pairBytes);
    EXPECT_TRUE(window.editState().selection.empty());
}

// Whatever another program left under the program's type, a paste of it leaves a
// sound circuit: damaged records are dropped and every link is mutual.
TEST(GroupCommandsTest, DamagedClipboardBytesPasteSoundlyOrNotAtAll) {
    CCircuit pair;
    CircuitBuilder build{pair};
    const int32_t gate = build.gate(true, 2, false, 100, 100);
    const int32_t other = build.gate(false, 3, true, 200, 100);
    const int32_t wire = build.wire(LogicElement, gate, kOutputPin, LogicElement, other, 0);
    build.join(build.wire(LogicElement, gate, kOutputPin, LogicElement, other, 2), 1, wire);
    const std::vector<uint8_t> good = io::encodeCircuit(pair);
    std::mt19937 random(29);
    int pasted = 0;
    for (int trial = 0; trial < 300; ++trial) {
        ScriptedShell shell;
        shell.pointer = Point{300, 300};
        CVortafrm window{shell};
        window.OnSize(640, 480);
        std::vector<uint8_t> bytes = good;
        for (int flips = 1 + trial % 4; flips > 0; --flips)
            bytes[random() % bytes.size()] = static_cast<uint8_t>(random());
        shell.clipboard = bytes;
        window.OnCommand(command::EditPaste);
        window.OnLButtonDown(platform::MK_LBUTTON, {300, 300});
        window.OnLButtonUp(0, {300, 300});
        EXPECT_TRUE(circuitLinkViolations(window.circuit(), std::nullopt).empty()) << trial;
        EXPECT_FALSE(window.editState().pendingGroup);
        pasted += elements(window.circuit()) > 0;
    }
    EXPECT_GT(pasted, 150) << "most damage leaves something to paste";
}

}  // namespace
