#include <gtest/gtest.h>

#include <climits>

#include "model/BlockElement.h"
#include "model/LogicElement.h"
#include "render/RecordDrawing.h"
#include "support/RecordingCanvas.h"

namespace {

using Op = RecordingCanvas::Op;
using Placements = std::vector<std::string>;

CLogicElement gateAt(bool isConjunction, uint16_t inputs, bool inverted, int32_t x, int32_t y) {
    CLogicElement gate(isConjunction, inputs, inverted);
    gate.setPosition(x, y);
    return gate;
}

Placements drawn(const CLogicElement& element, int32_t scrollX, int32_t scrollY, bool powered) {
    RecordingCanvas canvas;
    render::draw(canvas, element, {scrollX, scrollY}, powered);
    return canvas.bitmapPlacements();
}

Placements drawn(const CBlockElement& element, bool powered) {
    RecordingCanvas canvas;
    render::draw(canvas, element, {0, 0}, powered);
    return canvas.bitmapPlacements();
}

TEST(GateDrawing, BodyMarkGlyphAndDigitSitAtTheirOffsetsAndFollowTheScroll) {
    const CLogicElement gate = gateAt(true, 2, false, 100, 50);
    EXPECT_EQ(drawn(gate, 0, 0, true),
              (Placements{"102@100,50", "119@122,63", "123@116,52", "131@125,56"}));
    EXPECT_EQ(drawn(gate, 20, 10, true),
              (Placements{"102@80,40", "119@102,53", "123@96,42", "131@105,46"}));
}

TEST(GateDrawing, EveryBitmapKeepsItsOwnSize) {
    RecordingCanvas canvas;
    render::draw(canvas, gateAt(false, 9, true, 0, 0), {0, 0}, true);
    const auto bitmaps = canvas.callsOf(Op::Bitmap);
    ASSERT_EQ(bitmaps.size(), 4u);
    EXPECT_EQ(bitmaps[0].rect, (Rect{0, 0, 30, 50}));
    EXPECT_EQ(bitmaps[1].rect, (Rect{22, 23, 27, 28}));
    EXPECT_EQ(bitmaps[2].rect, (Rect{16, 2, 22, 11}));
    EXPECT_EQ(bitmaps[3].rect, (Rect{25, 16, 30, 23}));
}

TEST(GateDrawing, TallerBodiesMoveTheOutputMarkAndDigitToTheirMiddleRow) {
    // An inverted disjunctor shows the bubble and, before any evaluation, a 1.
    EXPECT_EQ(drawn(gateAt(false, 9, true, 0, 0), 0, 0, true),
              (Placements{"111@0,0", "120@22,23", "121@16,2", "130@25,16"}));
    EXPECT_EQ(drawn(gateAt(false, 6, false, 0, 0), 0, 0, true),
              (Placements{"107@0,0", "119@22,18", "121@16,2", "131@25,11"}));
}

TEST(GateDrawing, WithThePowerOffNoDigitIsDrawn) {
    EXPECT_EQ(drawn(gateAt(true, 1, true, 0, 0), 0, 0, false),
              (Placements{"112@0,0", "120@22,13", "123@16,2"}));
}

TEST(GateDrawing, ASelectedGateIsGreyedWholeDigitIncluded) {
    CLogicElement gate = gateAt(true, 3, false, 10, 10);
    gate.drawState = kDrawStateDisabled;
    EXPECT_EQ(drawn(gate, 0, 0, true), (Placements{"103@10,10 disabled", "119@32,23 disabled",
                                                   "123@26,12 disabled", "131@35,16 disabled"}));
}

TEST(GateDrawing, CoordinatesFarOutsideTheAreaSaturateInsteadOfWrapping) {
    CLogicElement gate = gateAt(true, 2, false, 0, 0);
    gate.x = INT32_MAX;
    gate.y = INT32_MIN;
    RecordingCanvas canvas;
    render::draw(canvas, gate, {-10, 100}, true);
    for (const auto& call : canvas.callsOf(Op::Bitmap)) {
        EXPECT_EQ(call.rect.left, INT32_MAX);
        EXPECT_EQ(call.rect.top, INT32_MIN);
    }
}

TEST(GateDrawing, ARecordOfAnotherKindDrawsNothing) {
    CLogicElement gate = gateAt(true, 2, false, 0, 0);
    gate.kind = Trigger;
    EXPECT_TRUE(drawn(gate, 0, 0, true).empty());
}

CLogicElement indicatorWith(std::initializer_list<std::pair<int, bool>> connectedLevels) {
    CLogicElement indicator{Indicator};
    indicator.setPosition(200, 100);
    for (auto [pin, level] : connectedLevels) {
        indicator.pins[pin].connected = 1;
        indicator.pins[pin].value = level;
    }
    return indicator;
}

std::string shownNumber(const CLogicElement& indicator) {
    RecordingCanvas canvas;
    render::draw(canvas, indicator, {0, 0}, true);
    const auto texts = canvas.callsOf(Op::Text);
    return texts.size() == 1 ? texts[0].text : "<" + std::to_string(texts.size()) + " texts>";
}

TEST(IndicatorDrawing, TheNumberCountsOnlyConnectedInputsAtOne) {
    CLogicElement five = indicatorWith({{0, true}, {2, true}});
    five.pins[1].value = 1;  // a 1 with no wire does not count
    EXPECT_EQ(shownNumber(five), "05");
    EXPECT_EQ(shownNumber(indicatorWith({{0, true}, {1, true}, {2, true}, {3, true}, {4, true}})),
              "31");
    EXPECT_EQ(shownNumber(indicatorWith({{3, true}, {4, false}})), "08");
    EXPECT_EQ(shownNumber(indicatorWith({})), "00");
}

TEST(IndicatorDrawing, TheNumberIsRedBoldCourierAtItsPlaceAndTheFontIsPutBack) {
    const CLogicElement indicator = indicatorWith({{4, true}});
    RecordingCanvas canvas;
    render::draw(canvas, indicator, {20, 10}, true);
    EXPECT_EQ(canvas.bitmapPlacements(), (Placements{"134@180,90"}));
    const auto texts = canvas.callsOf(Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "16");
    EXPECT_EQ(texts[0].rect.left, 202);
    EXPECT_EQ(texts[0].rect.top, 94);
    EXPECT_EQ(texts[0].font, (platform::Font{26, 700, true, "Courier New"}));
    EXPECT_EQ(texts[0].textColor, platform::kRed);
    EXPECT_EQ(canvas.font, platform::Font{});
}

TEST(IndicatorDrawing, WithThePowerOffOnlyTheBodyIsDrawn) {
    RecordingCanvas canvas;
    render::draw(canvas, indicatorWith({{0, true}}), {0, 0}, false);
    EXPECT_EQ(canvas.bitmapPlacements(), (Placements{"134@200,100"}));
    EXPECT_TRUE(canvas.callsOf(Op::Text).empty());
    EXPECT_TRUE(canvas.callsOf(Op::SelectFont).empty());
}

TEST(BlockDrawing, ATriggerShowsInverseQFirstThenQ) {
    CBlockElement trigger(Trigger);
    EXPECT_EQ(drawn(trigger, true), (Placements{"116@0,0", "130@35,21", "131@35,1"}));
    EXPECT_EQ(drawn(trigger, false), (Placements{"116@0,0"}));
}

TEST(BlockDrawing, ASummerShowsCarryThenSum) {
    CBlockElement summer(Summer);
    summer.setPosition(50, 60);
    summer.pins[9].value = 1;
    EXPECT_EQ(drawn(summer, true), (Placements{"118@50,60", "131@85,81", "130@85,61"}));
}

TEST(BlockDrawing, SignalAndGeneratorTakeTheirBodyFromTheOutputEvenUnpowered) {
    CBlockElement signal(EntrSignal);
    signal.pins[9].value = 1;
    EXPECT_EQ(drawn(signal, false), (Placements{"115@0,0"}));
    signal.pins[9].value = 0;
    EXPECT_EQ(drawn(signal, true), (Placements{"113@0,0", "131@21,1"}));

    CBlockElement generator(GTI);
    EXPECT_EQ(drawn(generator, true), (Placements{"133@0,0", "131@21,1"}));
    generator.pins[9].value = 1;
    EXPECT_EQ(drawn(generator, true), (Placements{"132@0,0", "130@21,1"}));
}

TEST(BlockDrawing, ASelectedBlockIsGreyedDigitsIncluded) {
    CBlockElement summer(Summer);
    summer.drawState = kDrawStateDisabled;
    EXPECT_EQ(drawn(summer, true),
              (Placements{"118@0,0 disabled", "131@35,21 disabled", "131@35,1 disabled"}));
}

TEST(BlockDrawing, ARecordOfAnotherKindDrawsNothing) {
    CBlockElement stray(Trigger);
    stray.kind = LogicElement;
    EXPECT_TRUE(drawn(stray, true).empty());
    stray.kind = static_cast<ElementKind>(9);
    EXPECT_TRUE(drawn(stray, true).empty());
}

}  // namespace
