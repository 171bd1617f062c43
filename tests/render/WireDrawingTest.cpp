#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "model/ElementKind.h"
#include "model/Wire.h"
#include "render/RecordDrawing.h"
#include "render/WireLayer.h"
#include "support/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;
using Line = RecordingCanvas::Line;
constexpr platform::Pen kThin{};
constexpr platform::Pen kThick{3, platform::kBlack};
// A visible area that holds every point: nothing is left out.
constexpr Rect kAnywhere{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};

CWire wireBetween(WireEnd start, WireEnd finish, std::vector<Point> points = {}) {
    CWire wire;
    wire.ends = {start, finish};
    wire.points = std::move(points);
    return wire;
}

WireEnd onPin(int32_t x, int32_t y) {
    return {x, y, LogicElement, 0, 9};
}
WireEnd freeEnd(int32_t x, int32_t y) {
    return {x, y, kLinkNone, 0, 0};
}
WireEnd junction(int32_t x, int32_t y) {
    return {x, y, kLinkWire, 3, 2};
}

std::vector<Line> linesOf(const CWire& wire, int32_t scrollX = 0, int32_t scrollY = 0) {
    RecordingCanvas canvas;
    render::draw(canvas, wire, {scrollX, scrollY}, kAnywhere);
    return canvas.lines();
}

TEST(WirePolyline, WithoutPointsItIsOneSegmentBetweenTheEnds) {
    const CWire wire = wireBetween(onPin(10, 20), onPin(60, 45));
    RecordingCanvas canvas;
    render::draw(canvas, wire, {0, 0}, kAnywhere);
    ASSERT_EQ(canvas.callsOf(Op::MoveTo).size(), 1u);
    EXPECT_EQ(canvas.callsOf(Op::MoveTo)[0].rect.left, 10);
    EXPECT_EQ(canvas.lines(), (std::vector<Line>{{{10, 20}, {60, 45}, kThin}}));
}

TEST(WirePolyline, PointsOnTheEndsAddNoZeroLengthSegments) {
    const CWire wire =
        wireBetween(onPin(10, 20), onPin(60, 45), {{10, 20}, {40, 20}, {40, 45}, {60, 45}});
    EXPECT_EQ(linesOf(wire), (std::vector<Line>{{{10, 20}, {40, 20}, kThin},
                                                {{40, 20}, {40, 45}, kThin},
                                                {{40, 45}, {60, 45}, kThin}}));
}

TEST(WirePolyline, EndsAwayFromThePointsAreJoinedToThem) {
    const CWire wire = wireBetween(onPin(10, 20), freeEnd(70, 50), {{15, 20}, {15, 50}});
    EXPECT_EQ(linesOf(wire, 5, 10), (std::vector<Line>{{{5, 10}, {10, 10}, kThin},
                                                       {{10, 10}, {10, 40}, kThin},
                                                       {{10, 40}, {65, 40}, kThin}}));
}

TEST(WirePolyline, JunctionEndsAreNotPartOfTheLine) {
    CWire wire = wireBetween(onPin(0, 0), onPin(0, 30), {{0, 0}, {0, 30}});
    wire.ends.push_back(junction(0, 15));
    EXPECT_EQ(linesOf(wire), (std::vector<Line>{{{0, 0}, {0, 30}, kThin}}));
}

TEST(WirePolyline, AWireMissingItsOwnEndsDrawsWhatItHas) {
    CWire bare;
    EXPECT_TRUE(linesOf(bare).empty());
    bare.points = {{0, 0}, {20, 0}};
    bare.ends = {onPin(0, 10)};
    EXPECT_EQ(linesOf(bare),
              (std::vector<Line>{{{0, 10}, {0, 0}, kThin}, {{0, 0}, {20, 0}, kThin}}));
}

TEST(WireEnds, FreeEndsAreHollowCirclesAndJunctionsBlackDiscs) {
    CWire wire = wireBetween(freeEnd(100, 50), onPin(200, 50), {{100, 50}, {200, 50}});
    wire.ends.push_back(junction(150, 50));
    wire.ends.push_back(freeEnd(7, 8));  // a free end past the own two still gets its circle
    RecordingCanvas canvas;
    render::draw(canvas, wire, {10, 20}, kAnywhere);

    const auto ellipses = canvas.callsOf(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 3u);
    EXPECT_EQ(ellipses[0].rect, (Rect{88, 28, 93, 33}));
    EXPECT_EQ(ellipses[0].brush, platform::Brush{platform::kWhite});
    EXPECT_EQ(ellipses[1].rect, (Rect{-5, -14, 0, -9}));
    EXPECT_EQ(ellipses[1].brush, platform::Brush{platform::kWhite});
    EXPECT_EQ(ellipses[2].rect, (Rect{138, 28, 143, 33}));
    EXPECT_EQ(ellipses[2].brush, platform::Brush{platform::kBlack});
    for (const auto& e : ellipses) EXPECT_EQ(e.pen, kThin);
    EXPECT_EQ(canvas.brush, platform::Brush{platform::kWhite});
}

TEST(WireEnds, EndsOnPinsGetNoMark) {
    const CWire wire = wireBetween(onPin(0, 0), {30, 0, Trigger, 1, 0});
    RecordingCanvas canvas;
    render::draw(canvas, wire, {0, 0}, kAnywhere);
    EXPECT_TRUE(canvas.callsOf(Op::Ellipse).empty());
}

TEST(HighlightedWire, LineAndCircleOutlinesAreThreePixelsWideAndThePenIsPutBack) {
    CWire wire = wireBetween(onPin(0, 0), freeEnd(40, 0), {{0, 0}, {20, 0}});
    wire.ends.push_back(junction(10, 0));
    wire.highlighted = 1;
    RecordingCanvas canvas;
    render::draw(canvas, wire, {0, 0}, kAnywhere);
    EXPECT_EQ(canvas.lines(),
              (std::vector<Line>{{{0, 0}, {20, 0}, kThick}, {{20, 0}, {40, 0}, kThick}}));
    const auto ellipses = canvas.callsOf(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].pen, kThick);
    EXPECT_EQ(ellipses[1].pen, kThick);
    EXPECT_EQ(canvas.pen, kThin);
}

// A wire read from a file may hold millions of points. Only what can touch the
// visible area is drawn: a segment crossing it with both ends outside is, each
// after a move to its start, and so is an end circle just outside whose pixels
// reach in; the rest is left out.
TEST(WireCulling, OnlyWhatCanShowIsDrawn) {
    const Rect view{0, 0, 200, 150};
    CWire wire = wireBetween(freeEnd(-9000, -9000), freeEnd(-2, 60));
    for (int32_t i = 0; i < 1'000'000; ++i) wire.points.push_back({-9000 + i % 2 * 50, -9000});
    wire.points.insert(wire.points.end(), {{-100, 50},
                                           {300, 50},
                                           {300, 5000},
                                           {150, 5000},
                                           {150, -5000},
                                           {-7, -5000},
                                           {-7, 60},
                                           {-2, 60}});
    wire.ends.push_back(freeEnd(-8, 60));
    wire.ends.push_back(junction(100, 152));  // a thick outline reaches row 149
    RecordingCanvas canvas;

    render::draw(canvas, wire, {0, 0}, view);

    ASSERT_EQ(canvas.callsOf(Op::LineTo).size(), 3u);
    EXPECT_EQ(canvas.lines(), (std::vector<Line>{{{-100, 50}, {300, 50}, kThin},
                                                 {{150, 5000}, {150, -5000}, kThin},
                                                 {{-7, 60}, {-2, 60}, kThin}}));
    const auto ellipses = canvas.callsOf(Op::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[0].rect, (Rect{-4, 58, 1, 63}));
    EXPECT_EQ(ellipses[1].rect, (Rect{98, 150, 103, 155}));
}

// A million points scattered round the visible area: tens of thousands of long
// slanted lines cross it. The canvas draws only as many as the line limit allows;
// the rest are collected and painted at once, which fills the whole area, and the
// free ends' circles wait for that and are drawn over it.
TEST(WireCulling, LinesPastTheLimitArePaintedAtOnce) {
    const Rect view{0, 0, 200, 150};
    CWire wire = wireBetween(freeEnd(10, 10), freeEnd(190, 140));
    std::mt19937 random(6);
    std::uniform_int_distribution<int32_t> anywhere(-3000, 3000);
    for (int32_t i = 0; i < 1'000'000; ++i)
        wire.points.push_back({anywhere(random), anywhere(random)});
    RecordingCanvas canvas;

    render::draw(canvas, wire, {0, 0}, view);

    const int64_t lineWork = render::CWireLayer::limitsFor(view).lineWork;
    EXPECT_LE(static_cast<int64_t>(canvas.callsOf(Op::LineTo).size()), lineWork / 4 + 1);
    const auto coverage = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                       [](const auto& call) { return call.op == Op::Coverage; });
    ASSERT_NE(coverage, canvas.calls.end());
    EXPECT_EQ(coverage->rect, view);
    EXPECT_EQ(coverage->covered, int64_t{200} * 150);
    EXPECT_EQ(std::count_if(coverage, canvas.calls.end(),
                            [](const auto& call) { return call.op == Op::Ellipse; }),
              2);
}

// Ends piled on a few spots, as a crafted file can pile a million of them: the wire
// draws exactly what it draws with only the last end of each kind on each spot,
// one circle a spot instead of one an end.
TEST(WireDrawing, EndsPiledOnSpotsDrawAsTheLastOfThemAlone) {
    std::mt19937 random(31);
    const std::vector<Point> spots = {{40, 40}, {43, 41}, {46, 40}, {40, 44}};
    std::uniform_int_distribution<size_t> spot(0, spots.size() - 1);
    std::uniform_int_distribution<int> freeOrJunction(0, 1);
    for (int round = 0; round < 20; ++round) {
        CWire piled = wireBetween(onPin(0, 40), onPin(100, 40), {{20, 40}, {60, 40}});
        piled.highlighted = round % 2;
        for (int i = 0; i < 200; ++i) {
            const Point at = spots[spot(random)];
            piled.ends.push_back(freeOrJunction(random) ? junction(at.x, at.y)
                                                        : freeEnd(at.x, at.y));
        }
        CWire alone = piled;
        alone.ends.resize(2);
        for (size_t i = 2; i < piled.ends.size(); ++i) {
            const WireEnd& end = piled.ends[i];
            const auto sameLater = [&](const WireEnd& other) {
                return other.kind == end.kind && other.position() == end.position();
            };
            if (std::none_of(piled.ends.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                             piled.ends.end(), sameLater))
                alone.ends.push_back(end);
        }
        RecordingCanvas drawnPiled, drawnAlone;
        render::draw(drawnPiled, piled, {0, 0}, {0, 0, 200, 200});
        render::draw(drawnAlone, alone, {0, 0}, {0, 0, 200, 200});
        ASSERT_EQ(drawnPiled.callsOf(Op::Ellipse).size(), drawnAlone.callsOf(Op::Ellipse).size());
        for (size_t c = 0; c < drawnAlone.calls.size(); ++c) {
            EXPECT_EQ(drawnPiled.calls[c].op, drawnAlone.calls[c].op);
            EXPECT_EQ(drawnPiled.calls[c].rect, drawnAlone.calls[c].rect);
            EXPECT_EQ(drawnPiled.calls[c].brush, drawnAlone.calls[c].brush);
        }
    }
}

// In the colours of the digits, with the highlight's width, and the pen put back.
TEST(WirePolyline, AWireWithALevelIsDrawnInItsColour) {
    const CWire plain = wireBetween(onPin(10, 20), onPin(60, 20));
    CWire held = plain;
    held.highlighted = 1;
    RecordingCanvas canvas;
    render::CWireLayer layer(canvas, {0, 0}, kAnywhere);
    layer.draw(plain, WireLevel::High);
    layer.draw(plain, WireLevel::Low);
    layer.draw(held, WireLevel::High);
    layer.draw(plain, WireLevel::None);
    layer.finish();
    const std::vector<platform::Pen> expected{
        {1, platform::kRed}, {1, platform::kBlue}, {3, platform::kRed}, kThin};
    std::vector<platform::Pen> pens;
    for (const Line& line : canvas.lines()) pens.push_back(line.pen);
    EXPECT_EQ(pens, expected);
}

}  // namespace
