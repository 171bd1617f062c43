#include "edit/Insertion.h"

#include <limits>

#include "GestureFixture.h"

namespace {

class InsertionTest : public GestureFixture {};

TEST_F(InsertionTest, LogicElementTakesTheDialogParametersAndStartsAtThePointer) {
    context.viewport = {100, 50};
    shell.logicElementAnswers.push_back(LogicElementParams{false, 3, true});
    edit::insertElement(context, LogicElement, Point{53, 47});

    ASSERT_EQ(shell.logicElementPresets.size(), 1u);
    EXPECT_EQ(shell.logicElementPresets[0], (LogicElementParams{true, 2, false}));
    ASSERT_TRUE(state.pendingLogicElement);
    const CLogicElement& gate = *state.pendingLogicElement;
    EXPECT_EQ(gate.kind, LogicElement);
    EXPECT_EQ(gate.isConjunction, 0);
    EXPECT_EQ(gate.inputCount, 3);
    EXPECT_EQ(gate.inverted, 1);
    EXPECT_EQ(gate.pins[9].value, 1);
    // 53, 47 snap to 55, 45 on the screen, which shows work-area point 155, 95.
    EXPECT_EQ((Point{gate.x, gate.y}), (Point{155, 95}));
    ASSERT_EQ(shell.invalidations.size(), 1u);
    EXPECT_EQ(shell.invalidations[0].rect, (Rect{55, 45, 85, 75}));
    EXPECT_TRUE(circuit.isEmpty());
}

TEST_F(InsertionTest, LogicElementCancelledOrPendingCreatesNothing) {
    shell.logicElementAnswers.push_back(std::nullopt);
    edit::insertElement(context, LogicElement, Point{100, 100});
    EXPECT_FALSE(state.pendingLogicElement);

    edit::insertElement(context, Indicator, Point{100, 100});
    CLogicElement* waiting = state.pendingLogicElement.get();
    edit::insertElement(context, LogicElement, Point{100, 100});
    EXPECT_EQ(shell.logicElementPresets.size(), 1u) << "no dialog while an element waits";
    EXPECT_EQ(state.pendingLogicElement.get(), waiting);
    EXPECT_EQ(waiting->kind, Indicator);
}

// A dialog answer beyond the limits (a page's dialog is only a script away from
// sending one) makes nothing; the bounds themselves are taken.
TEST_F(InsertionTest, AnswersOutsideTheLimitsAreRefused) {
    for (uint32_t inputs : {0u, 10u, 1u, 9u}) {
        state.pendingLogicElement.reset();
        shell.logicElementAnswers.push_back(LogicElementParams{true, inputs, false});
        edit::insertElement(context, LogicElement, Point{100, 100});
        EXPECT_EQ(state.pendingLogicElement != nullptr, inputs == 1 || inputs == 9) << inputs;
    }
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        GeneratorParams answer;
        bool taken = false;
    } generators[] = {
        {{0.5f, 0.5f, 0.0f}, false},  {{5.5f, 0.5f, 0.0f}, false},  {{1.0f, 0.95f, 0.0f}, false},
        {{1.0f, 0.05f, 0.0f}, false}, {{1.0f, 0.5f, -0.1f}, false}, {{1.0f, 0.5f, 5.1f}, false},
        {{nan, 0.5f, 0.0f}, false},   {{1.0f, nan, 0.0f}, false},   {{1.0f, 0.5f, nan}, false},
        {{1.0f, 0.1f, 0.0f}, true},   {{5.0f, 0.9f, 5.0f}, true},   {{2.5f, 0.5f, 0.0f}, true},
    };
    for (const auto& [answer, taken] : generators) {
        state.pendingBlockElement.reset();
        shell.generatorAnswers.push_back(answer);
        edit::insertElement(context, GTI, Point{100, 100});
        EXPECT_EQ(state.pendingBlockElement != nullptr, taken)
            << answer.period << " " << answer.duty << " " << answer.delay;
    }
}

TEST_F(InsertionTest, WithoutThePointerOverTheWorkAreaTheElementStartsTopLeft) {
    context.viewport = {200, 300};
    edit::insertElement(context, Summer, std::nullopt);
    ASSERT_TRUE(state.pendingBlockElement);
    EXPECT_EQ((Point{state.pendingBlockElement->x, state.pendingBlockElement->y}),
              (Point{220, 300}));

    // Over the vertical scroll bar is not over the work area.
    edit::insertElement(context, Indicator, Point{10, 100});
    ASSERT_TRUE(state.pendingLogicElement);
    EXPECT_EQ((Point{state.pendingLogicElement->x, state.pendingLogicElement->y}),
              (Point{220, 300}));
}

TEST_F(InsertionTest, TriggerCommandTwiceKeepsOnePendingTriggerAndRepaintsEachTime) {
    edit::insertElement(context, Trigger, Point{100, 100});
    CBlockElement* first = state.pendingBlockElement.get();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->kind, Trigger);
    edit::insertElement(context, Trigger, Point{300, 200});
    EXPECT_EQ(state.pendingBlockElement.get(), first);
    EXPECT_EQ((Point{first->x, first->y}), (Point{100, 100}));
    EXPECT_EQ(shell.workAreaInvalidations(true), 2);
}

TEST_F(InsertionTest, OneElementOfEachTableCanWaitAtOnce) {
    edit::insertElement(context, EntrSignal, Point{50, 50});
    edit::insertElement(context, Indicator, Point{60, 60});
    edit::insertElement(context, Summer, Point{70, 70});
    ASSERT_TRUE(state.pendingBlockElement && state.pendingLogicElement);
    EXPECT_EQ(state.pendingBlockElement->kind, EntrSignal);
    EXPECT_EQ(state.pendingLogicElement->kind, Indicator);
}

TEST_F(InsertionTest, GeneratorGetsTicksFromTheDialog) {
    shell.generatorAnswers.push_back(GeneratorParams{2.0f, 0.7f, 0.7f});
    edit::insertElement(context, GTI, Point{100, 100});
    ASSERT_EQ(shell.generatorPresets.size(), 1u);
    EXPECT_EQ(shell.generatorPresets[0], (GeneratorParams{1.0f, 0.5f, 0.0f}));
    ASSERT_TRUE(state.pendingBlockElement);
    const CBlockElement& generator = *state.pendingBlockElement;
    EXPECT_EQ(generator.kind, GTI);
    // Single precision drops a tick: 0.7 of 20 ticks gives 13, a 0.7 s delay 6.
    EXPECT_EQ(generator.periodTicks, 20u);
    EXPECT_EQ(generator.pulseTicks, 13u);
    EXPECT_EQ(generator.delayTicks, 6u);
}

TEST_F(InsertionTest, GeneratorDialogOpensWithTheDefaultsEvenWhileABlockWaits) {
    edit::insertElement(context, Summer, Point{100, 100});
    shell.generatorAnswers.push_back(GeneratorParams{2.0f, 0.5f, 0.0f});
    edit::insertElement(context, GTI, Point{100, 100});
    ASSERT_EQ(shell.generatorPresets.size(), 1u);
    EXPECT_EQ(shell.generatorPresets[0], (GeneratorParams{1.0f, 0.5f, 0.0f}));
    EXPECT_EQ(state.pendingBlockElement->kind, Summer);

    state.pendingBlockElement.reset();
    shell.generatorAnswers.push_back(std::nullopt);
    edit::insertElement(context, GTI, Point{100, 100});
    EXPECT_FALSE(state.pendingBlockElement);
}

TEST_F(InsertionTest, EachKindComesFromItsCommand) {
    for (ElementKind kind : {LogicElement, Indicator, Trigger, Summer, EntrSignal, GTI}) {
        state.pendingLogicElement.reset();
        state.pendingBlockElement.reset();
        shell.logicElementAnswers.push_back(LogicElementParams{});
        shell.generatorAnswers.push_back(GeneratorParams{});
        edit::insertElement(context, kind, Point{100, 100});
        if (isLogicTableKind(kind)) {
            ASSERT_TRUE(state.pendingLogicElement);
            EXPECT_EQ(state.pendingLogicElement->kind, kind);
        } else {
            ASSERT_TRUE(state.pendingBlockElement);
            EXPECT_EQ(state.pendingBlockElement->kind, kind);
        }
    }
}

}  // namespace
