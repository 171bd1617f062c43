#include <gtest/gtest.h>

#include <random>

#include "PainterCanvasPixels.h"
#include "model/BlockElement.h"
#include "model/LogicElement.h"
#include "model/Wire.h"
#include "render/RecordDrawing.h"
#include "render/WireLayer.h"

namespace {

using namespace pixels;
using Rows = std::vector<std::string>;

const Rows kAmpersand = {".##...", "#..#..", "#..#..", ".##...", ".##...",
                         "#..#.#", "#..#.#", "#...#.", ".###.#"};
const Rows kOne = {"...#..", ".###..", "...#..", "...#..", "...#..",
                   "...#..", "...#..", "...#..", "......"};
const Rows kDigitOne = {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."};
const Rows kDigitZero = {"..##.", ".#..#", ".#..#", ".#..#", ".#..#", ".#..#", "..##."};
const Rows kPlainMark = {"..#..", "..#..", "..###", "..#..", "..#.."};

QImage gateImage(bool isConjunction, bool inverted, bool powered, int32_t drawState = 0) {
    CLogicElement gate(isConjunction, 2, inverted);
    gate.setPosition(100, 50);
    gate.drawState = drawState;
    return painted([&](platform::Canvas& c) { render::draw(c, gate, {20, 10}, powered); }, kGreen);
}

TEST(PaintedGate, GlyphMarkAndDigitLandOnTheirPixels) {
    const QImage conjunctor = gateImage(true, false, true);
    EXPECT_EQ(rowsOf(conjunctor, QRect(96, 42, 6, 9), kBlack), kAmpersand);
    EXPECT_EQ(rowsOf(conjunctor, QRect(102, 53, 5, 5), kBlack), kPlainMark);
    EXPECT_EQ(rowsOf(conjunctor, QRect(105, 46, 5, 7), kBlue), kDigitZero);
    EXPECT_EQ(count(conjunctor, QRect(80, 40, 30, 30), kRed), 0);

    const QImage disjunctor = gateImage(false, true, true);
    EXPECT_EQ(rowsOf(disjunctor, QRect(96, 42, 6, 9), kBlack), kOne);
    EXPECT_EQ(rowsOf(disjunctor, QRect(105, 46, 5, 7), kRed), kDigitOne);
    EXPECT_EQ(count(disjunctor, QRect(80, 40, 30, 30), kBlue), 0);
}

TEST(PaintedGate, ItsBitmapsCoverWhateverWasUnderThem) {
    const QImage image = gateImage(true, false, true);
    EXPECT_EQ(count(image, QRect(80, 40, 30, 30), kGreen), 0);
    EXPECT_GT(count(image, QRect(80, 40, 30, 30), kWhite), 600);
    EXPECT_EQ(image.pixel(79, 40), kGreen);
    EXPECT_EQ(image.pixel(110, 69), kGreen);
}

TEST(PaintedGate, WithThePowerOffThereIsNoDigit) {
    const QImage image = gateImage(false, true, false);
    EXPECT_EQ(count(image, QRect(0, 0, 120, 80), kRed), 0);
    EXPECT_EQ(count(image, QRect(0, 0, 120, 80), kBlue), 0);
}

TEST(PaintedGate, ASelectedGateIsGreyWithoutAnyInk) {
    const QImage normal = gateImage(true, true, true);
    const QImage selected = gateImage(true, true, true, kDrawStateDisabled);
    EXPECT_NE(normal, selected);
    const QRect body(80, 40, 30, 30);
    EXPECT_GT(count(selected, body, kGrey), 100);
    EXPECT_EQ(count(selected, body, kBlack), 0);
    EXPECT_EQ(count(selected, body, kRed), 0);
    EXPECT_EQ(rowsOf(selected, QRect(96, 42, 6, 9), kGrey), kAmpersand);
    EXPECT_EQ(rowsOf(selected, QRect(105, 46, 5, 7), kGrey), kDigitOne);
}

QImage indicatorImage(bool powered) {
    CLogicElement indicator{Indicator};
    indicator.setPosition(10, 10);
    for (int pin : {0, 2}) {
        indicator.pins[pin].connected = 1;
        indicator.pins[pin].value = 1;
    }
    return painted(
        [&](platform::Canvas& c) {
            render::draw(c, indicator, {0, 0}, powered);
        },
        kGreen);
}

TEST(PaintedIndicator, TheNumberIsRedInTheFieldRightOfTheDivider) {
    const QImage image = indicatorImage(true);
    EXPECT_GT(count(image, QRect(32, 14, 28, 26), kRed), 60);
    EXPECT_EQ(count(image, QRect(10, 10, 20, 30), kRed), 0);
    // Its opaque box keeps the background from showing through the digits.
    EXPECT_EQ(count(image, QRect(32, 14, 20, 25), kGreen), 0);
    EXPECT_EQ(count(indicatorImage(false), QRect(0, 0, 120, 80), kRed), 0);
}

TEST(PaintedBlocks, TheTriggerShowsABlueQAndARedInverseQ) {
    CBlockElement trigger(Trigger);
    const QImage image = painted([&](platform::Canvas& c) {
        render::draw(c, trigger, {0, 0}, true);
    });
    EXPECT_EQ(rowsOf(image, QRect(35, 1, 5, 7), kBlue), kDigitZero);
    EXPECT_EQ(rowsOf(image, QRect(35, 21, 5, 7), kRed), kDigitOne);
}

TEST(PaintedBlocks, TheInputSignalBodyShowsItsLevelInColour) {
    CBlockElement signal(EntrSignal);
    const QImage low = painted([&](platform::Canvas& c) {
        render::draw(c, signal, {0, 0}, false);
    });
    signal.pins[9].value = 1;
    const QImage high = painted([&](platform::Canvas& c) {
        render::draw(c, signal, {0, 0}, false);
    });
    const QRect inside(1, 1, 19, 19);
    EXPECT_GT(count(low, inside, kBlue), 20);
    EXPECT_EQ(count(low, inside, kRed), 0);
    EXPECT_GT(count(high, inside, kRed), 20);
    EXPECT_EQ(count(high, inside, kBlue), 0);
}

// The whole of a picture painted by `painted`.
constexpr Rect kImage{0, 0, 120, 80};

CWire wireWithMarks(uint8_t highlighted) {
    CWire wire;
    wire.highlighted = highlighted;
    wire.points = {{20, 30}, {80, 30}};
    wire.ends = {
        {20, 30, kLinkNone, 0, 0}, {80, 30, LogicElement, 0, 0}, {50, 30, kLinkWire, 1, 2}};
    return wire;
}

TEST(PaintedWire, AFreeEndIsAHollowCircleAndAJunctionABlackDisc) {
    const CWire wire = wireWithMarks(0);
    const QImage image = painted([&](platform::Canvas& c) {
        render::draw(c, wire, {0, 0}, kImage);
    });
    EXPECT_EQ(rowsOf(image, QRect(18, 28, 5, 5), kBlack),
              (Rows{".###.", "#...#", "#...#", "#...#", ".###."}));
    EXPECT_EQ(rowsOf(image, QRect(48, 28, 5, 5), kBlack),
              (Rows{".###.", "#####", "#####", "#####", ".###."}));
    EXPECT_EQ(rowsOf(image, QRect(60, 29, 1, 3), kBlack), (Rows{".", "#", "."}));
}

TEST(PaintedWire, AHighlightedWireIsThreePixelsThick) {
    const CWire wire = wireWithMarks(1);
    const QImage image = painted([&](platform::Canvas& c) {
        render::draw(c, wire, {0, 0}, kImage);
    });
    EXPECT_EQ(rowsOf(image, QRect(60, 28, 1, 5), kBlack), (Rows{".", "#", "#", "#", "."}));
    // The free end's circle has a thick outline too, reaching a pixel past its box on
    // every side, round its white centre.
    EXPECT_EQ(rowsOf(image, QRect(20, 26, 1, 9), kBlack),
              (Rows{".", "#", "#", "#", ".", "#", "#", "#", "."}));
    EXPECT_EQ(rowsOf(image, QRect(16, 30, 8, 1), kBlack), (Rows{".###.###"}));
    EXPECT_EQ(image.pixel(20, 30), kWhite);
}

// A wire near and across a picture: points close to its edges and a few far away,
// axis-parallel and slanted segments, free ends and junctions, scrolled at random.
CWire randomWire(std::mt19937& random) {
    std::uniform_int_distribution<int32_t> x(-15, 135), y(-15, 95), far(-5000, 5000), pick(0, 9);
    CWire wire;
    wire.highlighted = pick(random) < 5;
    Point at{x(random), y(random)};
    for (int n = pick(random) + 1; n > 0; --n) {
        const int how = pick(random);
        if (how < 3)
            at.x = x(random);  // along a row
        else if (how < 6)
            at.y = y(random);  // along a column
        else if (how < 8)
            at = {x(random), y(random)};
        else
            at = {far(random), far(random)};
        wire.points.push_back(at);
    }
    constexpr LinkKind kKinds[] = {kLinkNone, kLinkWire, LogicElement};
    for (int n = pick(random) % 4 + 2; n > 0; --n) {
        wire.ends.push_back({x(random), y(random), kKinds[pick(random) % 3], 0, 0});
    }
    if (pick(random) < 5)
        wire.ends[0].x = wire.points.front().x, wire.ends[0].y = wire.points.front().y;
    return wire;
}

// Pixels inked in `image` and not in `other`, and how many of them have no ink of
// `other` beside them.
struct Strays {
    int64_t moved = 0;
    int64_t alone = 0;
};
Strays straysOf(const QImage& image, const QImage& other) {
    Strays strays;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kBlack || other.pixel(x, y) == kBlack) continue;
            ++strays.moved;
            const QRect beside = QRect(x - 1, y - 1, 3, 3).intersected(other.rect());
            if (count(other, beside, kBlack) == 0) ++strays.alone;
        }
    }
    return strays;
}

// Leaving out what cannot show changes no pixel: each wire is painted with the
// picture as the visible area and with nothing left out. Collecting every line in a
// coverage gives the same picture but for a pixel moved by one where the painter's
// own rounding decides otherwise.
TEST(PaintedWire, LeavingOutChangesNoPixelAndCollectingNextToNone) {
    constexpr Rect kAnywhere{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    constexpr render::WireWorkLimits kAllCollected{0, INT64_MAX};
    std::mt19937 random(16);
    std::uniform_int_distribution<int32_t> scroll(-10, 10);
    int64_t ink = 0, moved = 0;
    for (int round = 0; round < 600; ++round) {
        const CWire wire = randomWire(random);
        const int32_t scrollX = scroll(random), scrollY = scroll(random);
        const QImage culled = painted([&](platform::Canvas& c) {
            render::draw(c, wire, {scrollX, scrollY}, kImage);
        });
        const QImage whole = painted([&](platform::Canvas& c) {
            render::draw(c, wire, {scrollX, scrollY}, kAnywhere);
        });
        const QImage collected = painted([&](platform::Canvas& c) {
            render::CWireLayer layer(c, {scrollX, scrollY}, kImage, kAllCollected);
            layer.draw(wire);
            layer.finish();
        });
        ASSERT_EQ(culled, whole) << "round " << round;
        const Strays added = straysOf(collected, whole), lost = straysOf(whole, collected);
        ASSERT_EQ(added.alone + lost.alone, 0) << "round " << round;
        ink += count(whole, whole.rect(), kBlack);
        moved += added.moved + lost.moved;
    }
    EXPECT_LT(moved * 100, ink);
}

}  // namespace
