#include <gtest/gtest.h>

#include <limits>

#include "render/PictureArea.h"
#include "support/CircuitBuilder.h"

namespace {

using render::kPictureMargin;
using render::pictureArea;

Rect widened(Rect r) {
    return {r.left - kPictureMargin, r.top - kPictureMargin, r.right + kPictureMargin,
            r.bottom + kPictureMargin};
}

TEST(PictureArea, HoldsBodiesWirePointsAndEndCircles) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    const int32_t signal = b.block(EntrSignal, 100, 200);   // 26 x 21
    const int32_t gate = b.gate(true, 9, false, 300, 150);  // 30 x 50
    EXPECT_EQ(pictureArea(circuit), widened({100, 150, 330, 221}));

    // A wire bent above the elements, and a free end left of them: its circle
    // reaches 2 pixels left and 3 right of the end.
    b.wire(EntrSignal, signal, 9, LogicElement, gate, 0, {{125, 210}, {125, 100}, {300, 100}});
    EXPECT_EQ(pictureArea(circuit), widened({100, 100, 330, 221}));
    b.stub(LogicElement, gate, 8, {60, 300});
    EXPECT_EQ(pictureArea(circuit), widened({58, 100, 330, 303}));
}

TEST(PictureArea, KeepsToTheWorkAreaWhateverAFileHolds) {
    CCircuit circuit;
    CircuitBuilder b(circuit);
    EXPECT_EQ(pictureArea(circuit), widened({0, 0, 0, 0})) << "empty";

    b.block(Summer, 1000, 1000);
    const int32_t far = b.gate(false, 2, false);
    circuit.logicElements[far]->x = std::numeric_limits<int32_t>::max();
    circuit.logicElements[far]->y = std::numeric_limits<int32_t>::min();
    EXPECT_EQ(pictureArea(circuit), widened({1000, 0, 2048, 1040}));

    circuit.blockElements[0].reset();
    EXPECT_EQ(pictureArea(circuit), widened({0, 0, 0, 0})) << "nothing inside the work area";
}

}  // namespace
