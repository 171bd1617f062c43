#include <gtest/gtest.h>

#include "PainterCanvasPixels.h"
#include "render/WorkArea.h"
#include "support/EveryKindCircuit.h"

namespace {

using namespace pixels;

TEST(PainterCanvasSample, EveryKindPoweredPaintsIntoAPicture) {
    EveryKindCircuit sample;
    const QImage image = painted(
        [&](platform::Canvas& c) {
            render::paintWorkArea(c, sample.circuit, {}, {20, 20}, true, {0, 0, 640, 480});
        },
        kWhite, {640, 480});
    ASSERT_TRUE(image.save(QStringLiteral(LOTRA_BINARY_DIR "/sample-circuit.png")));

    // The trigger at (280, 20) on screen: a blue Q and a red inverse Q.
    EXPECT_GT(count(image, QRect(315, 21, 5, 7), kBlue), 5);
    EXPECT_GT(count(image, QRect(315, 41, 5, 7), kRed), 5);
    // The indicator's "02" right of its divider.
    EXPECT_GT(count(image, QRect(452, 44, 28, 26), kRed), 40);
    // The junction disc and the free end's hollow circle.
    EXPECT_EQ(rowsOf(image, QRect(68, 88, 5, 5), kBlack),
              (std::vector<std::string>{".###.", "#####", "#####", "#####", ".###."}));
    EXPECT_EQ(image.pixel(360, 120), kWhite);
    EXPECT_EQ(image.pixel(360, 118), kBlack);
    // The selected gate is grey, its neighbour black.
    EXPECT_GT(count(image, QRect(510, 280, 30, 30), kGrey), 100);
    EXPECT_EQ(count(image, QRect(510, 280, 30, 30), kBlack), 0);
    EXPECT_GT(count(image, QRect(420, 280, 30, 30), kBlack), 100);
}

}  // namespace
