// Automata worked out by hand for the course's circuits, and the verdicts of a
// check by behaviour on variants a student might hand in.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "SequentialCircuits.h"
#include "analysis/Automaton.h"
#include "analysis/AutomatonComparison.h"
#include "analysis/AutomatonTable.h"

namespace {

using analysis::AutomatonKind;
using Circuit = CSequentialCircuit;

// "state:next/output next/output ...; state:..." with the input vectors in binary order.
std::string signature(const analysis::Automaton& a) {
    std::string text;
    for (size_t s = 0; s < a.stateCount(); ++s) {
        text += (s ? "; " : "") + a.states[s] + ":";
        for (uint32_t v = 0; v < a.vectors(); ++v) {
            text += (v ? " " : "") + a.states[a.nextState(s, v)] + "/";
            for (size_t k = 0; k < a.outputCount; ++k)
                text += (k ? "," : "") + analysis::twoDigits(a.output(s, v)[k]);
        }
    }
    return text;
}

analysis::CircuitAutomaton automatonOf(Circuit& c, analysis::AutomatonOptions options = {}) {
    std::string error;
    auto automaton = analysis::circuitAutomaton(c.circuit(), options, error);
    EXPECT_TRUE(automaton) << error;
    return automaton.value_or(analysis::CircuitAutomaton{});
}

// Two triggers on a clock signal counting up from 00 (Q1 the low bit), or down;
// `shownBits` of them on the indicator. A ripple counter clocks the second by Q1.
struct CounterShape {
    bool down = false;
    bool ripple = false;
    bool modulo3 = false;
    int shownBits = 2;
    bool startAtOne = false;
};

void drawCounter(Circuit& c, const CounterShape& shape) {
    const int32_t clock = c.signal(0);
    const int32_t low = c.trigger(0);
    const int32_t high = c.trigger(1);
    const int32_t shown = c.indicator();
    const auto one = c.one();
    c.connect(level(clock), Trigger, low, kTriggerClock);
    if (shape.modulo3) {
        // 00, 10, 01: the low bit waits while the high one is set.
        c.connect(notQ(high), Trigger, low, kTriggerJ);
        c.connect(one, Trigger, low, kTriggerK);
        c.connect(q(low), Trigger, high, kTriggerJ);
        c.connect(one, Trigger, high, kTriggerK);
    } else {
        c.toggleOn(one, low);
        c.toggleOn(shape.ripple ? one : (shape.down ? notQ(low) : q(low)), high);
    }
    c.connect(shape.ripple ? q(low) : level(clock), Trigger, high, kTriggerClock);
    c.connect(q(low), Indicator, shown, 0);
    if (shape.shownBits == 2) c.connect(q(high), Indicator, shown, 1);
    if (shape.startAtOne) {
        Pins& pins = c.circuit().blockElement(low)->pins;
        pins[kTriggerQ].value = 1;
        pins[kTriggerNotQ].value = 0;
    }
}

// An up counter with a direction input (X1 = 1 counts down): the high trigger
// toggles on Q1 xor X1.
void drawUpDown(Circuit& c) {
    const int32_t clock = c.signal(0);
    const int32_t down = c.signal(1);
    const int32_t low = c.trigger(0);
    const int32_t high = c.trigger(1);
    const int32_t shown = c.indicator();
    const int32_t up = c.gate(false, 1, true);
    const int32_t carry = c.gate(true, 2, false);
    const int32_t borrow = c.gate(true, 2, false);
    const int32_t either = c.gate(false, 2, false);
    c.connect(level(down), LogicElement, up, 0);
    c.connect(q(low), LogicElement, carry, 0);
    c.connect(out(up), LogicElement, carry, 1);
    c.connect(notQ(low), LogicElement, borrow, 0);
    c.connect(level(down), LogicElement, borrow, 1);
    c.connect(out(carry), LogicElement, either, 0);
    c.connect(out(borrow), LogicElement, either, 1);
    c.toggleOn(c.one(), low);
    c.toggleOn(out(either), high);
    c.connect(level(clock), Trigger, low, kTriggerClock);
    c.connect(level(clock), Trigger, high, kTriggerClock);
    c.connect(q(low), Indicator, shown, 0);
    c.connect(q(high), Indicator, shown, 1);
}

// Three D triggers in a ring, the last one inverted: 000, 100, 110, 111, 011, 001.
void drawJohnson(Circuit& c) {
    const int32_t clock = c.signal(0);
    const int32_t shown = c.indicator();
    int32_t stages[3];
    for (int32_t i = 0; i < 3; ++i) {
        stages[i] = c.trigger(i);
        c.connect(level(clock), Trigger, stages[i], kTriggerClock);
        c.connect(q(stages[i]), Indicator, shown, i);
    }
    c.dFrom(notQ(stages[2]), q(stages[2]), stages[0]);
    c.dFrom(q(stages[0]), notQ(stages[0]), stages[1]);
    c.dFrom(q(stages[1]), notQ(stages[1]), stages[2]);
}

// Shows 1 while X1 is 1 for the second clock running: the trigger keeps the last X1.
void drawDetector(Circuit& c) {
    const int32_t clock = c.signal(0);
    const int32_t x = c.signal(1);
    const int32_t last = c.trigger(0);
    const int32_t both = c.gate(true, 2, false);
    const int32_t notX = c.gate(false, 1, true);
    const int32_t shown = c.indicator();
    c.connect(level(x), LogicElement, notX, 0);
    c.dFrom(level(x), out(notX), last);
    c.connect(level(clock), Trigger, last, kTriggerClock);
    c.connect(level(x), LogicElement, both, 0);
    c.connect(q(last), LogicElement, both, 1);
    c.connect(out(both), Indicator, shown, 0);
}

// A trigger the student clocks by hand, toggling while the enable signal above the clock is 1.
void drawManualToggle(Circuit& c) {
    const int32_t enable = c.signal(0);
    const int32_t clock = c.signal(1);
    const int32_t t = c.trigger(0);
    const int32_t shown = c.indicator();
    c.toggleOn(level(enable), t);
    c.connect(level(clock), Trigger, t, kTriggerClock);
    c.connect(q(t), Indicator, shown, 0);
}

// An up counter clocked by a generator of 4 ticks beside one of 6: one clock of the
// automaton is 12 ticks, three of the counter's.
void drawGeneratorCounter(Circuit& c) {
    const int32_t clock = c.generator(4, 2, 0);
    c.generator(6, 3, 1);
    const int32_t low = c.trigger(0);
    const int32_t high = c.trigger(1);
    const int32_t shown = c.indicator();
    c.toggleOn(c.one(), low);
    c.toggleOn(q(low), high);
    c.connect({GTI, clock, kOutputPin}, Trigger, low, kTriggerClock);
    c.connect({GTI, clock, kOutputPin}, Trigger, high, kTriggerClock);
    c.connect(q(low), Indicator, shown, 0);
    c.connect(q(high), Indicator, shown, 1);
}

void drawAnd(Circuit& c) {
    const int32_t a = c.signal(0);
    const int32_t b = c.signal(1);
    const int32_t both = c.gate(true, 2, false);
    const int32_t shown = c.indicator();
    c.connect(level(a), LogicElement, both, 0);
    c.connect(level(b), LogicElement, both, 1);
    c.connect(out(both), Indicator, shown, 0);
}

constexpr const char* kUpCounter = "00:10/00; 10:01/01; 01:11/02; 11:00/03";

TEST(AutomatonTest, HandWorkedAutomataOfTheCourseCircuits) {
    struct Case {
        const char* name;
        std::function<void(Circuit&)> draw;
        analysis::AutomatonOptions options;
        AutomatonKind kind;
        size_t minimal;
        const char* table;
    };
    const Case cases[] = {
        {"synchronous counter",
         [](Circuit& c) { drawCounter(c, {}); },
         {},
         AutomatonKind::Moore,
         4,
         kUpCounter},
        {"ripple counter",
         [](Circuit& c) { drawCounter(c, {.ripple = true}); },
         {},
         AutomatonKind::Moore,
         4,
         kUpCounter},
        {"counter showing its low bit",
         [](Circuit& c) { drawCounter(c, {.shownBits = 1}); },
         {},
         AutomatonKind::Moore,
         2,
         "00:10/00; 10:01/01; 01:11/00; 11:00/01"},
        {"every start of the counter",
         [](Circuit& c) { drawCounter(c, {}); },
         {.allStates = true},
         AutomatonKind::Moore,
         4,
         "00:10/00; 01:11/02; 10:01/01; 11:00/03"},
        {"up/down counter",
         drawUpDown,
         {},
         AutomatonKind::Moore,
         4,
         "00:10/00 11/00; 10:01/01 00/01; 11:00/03 01/03; 01:11/02 10/02"},
        {"Johnson counter",
         drawJohnson,
         {},
         AutomatonKind::Moore,
         6,
         "000:100/00; 100:110/01; 110:111/03; 111:011/07; 011:001/06; 001:000/04"},
        {"detector of 1, 1", drawDetector, {}, AutomatonKind::Mealy, 2, "0:0/00 1/00; 1:0/00 1/01"},
        {"manual clock", drawManualToggle, {}, AutomatonKind::Moore, 2, "0:0/00 1/00; 1:1/01 0/01"},
        {"manual clock named",
         drawManualToggle,
         {.clockOrdinal = 2},
         AutomatonKind::Moore,
         2,
         "0:0/00 1/00; 1:1/01 0/01"},
        {"generators of 4 and 6 ticks",
         drawGeneratorCounter,
         {},
         AutomatonKind::Moore,
         4,
         "00:11/00; 11:01/03; 01:10/02; 10:00/01"},
        {"gates alone", drawAnd, {}, AutomatonKind::Combinational, 1, ":/00 /00 /00 /01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Circuit circuit;
        c.draw(circuit);
        const analysis::CircuitAutomaton automaton = automatonOf(circuit, c.options);
        EXPECT_EQ(automaton.kind, c.kind);
        EXPECT_EQ(automaton.minimalStates, c.minimal);
        EXPECT_EQ(signature(automaton.automaton), c.table);
    }
}

TEST(AutomatonTest, ChecksByBehaviourNameTheShortestDifference) {
    Circuit reference;
    drawCounter(reference, {});
    const analysis::Automaton expected = automatonOf(reference).automaton;
    std::string error;
    const auto typed = analysis::parseAutomatonTable(
        "состояние вход следующее выход\nA - B 0\nB - C 1\nC - D 2\nD - A 3\n", error);
    ASSERT_TRUE(typed) << error;
    struct Case {
        const char* name = "";
        CounterShape shape;
        bool anyStart = false;
        bool matches = false;
        const char* verdict = "";
    };
    const Case cases[] = {
        {"drawn as a ripple counter", {.ripple = true}, false, true, "совпадает\t"},
        {"counting down",
         {.down = true},
         false,
         false,
         "не совпадает\tтакт 2: индикатор показывает 03, ожидалось 01"},
        {"modulo 3",
         {.modulo3 = true},
         false,
         false,
         "не совпадает\tтакт 4: индикатор показывает 00, ожидалось 03"},
        {"another start",
         {.startAtOne = true},
         false,
         false,
         "совпадает, кроме начального состояния\tтакт 1: индикатор показывает 01, ожидалось 00"},
        {"another start allowed",
         {.startAtOne = true},
         true,
         true,
         "совпадает, кроме начального состояния\tтакт 1: индикатор показывает 01, ожидалось 00"},
        {"one indicator input",
         {.shownBits = 1},
         false,
         false,
         "не совпадает\tтакт 3: индикатор показывает 00, ожидалось 02"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Circuit student;
        drawCounter(student, c.shape);
        const analysis::Automaton checked = automatonOf(student).automaton;
        for (const analysis::Automaton* against : {&expected, &*typed}) {
            const analysis::AutomatonVerdict verdict =
                analysis::automatonVerdict(*against, checked, c.anyStart);
            EXPECT_EQ(verdict.matches, c.matches);
            EXPECT_EQ(verdict.verdict + "\t" + verdict.details, c.verdict);
        }
    }
    // With inputs, every clock's vector is named.
    Circuit upDown;
    drawUpDown(upDown);
    Circuit detector;
    drawDetector(detector);
    EXPECT_EQ(analysis::automatonVerdict(automatonOf(upDown).automaton,
                                         automatonOf(detector).automaton, false)
                  .details,
              "такт 2, входы 0, 0: индикатор показывает 00, ожидалось 01");
}

TEST(AutomatonTest, TypedTablesThatDoNotFitAreRefusedWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"h\nA 0 B 1\nB 0 A 2\n", "у состояния A нет строки со входами 1"},
        {"h\nA 0 A 1\nA 1 C 2\n", "строка 3: следующего состояния C нет в таблице"},
        {"h\nA - A 1\nA - A 1\n", "строка 3: состояние A со входами - уже было"},
        {"h\nA 0 A 1\nA 1 A 2 3\n", "строка 3: выходов 2, а в первой строке 1"},
        {"h\nA x A 1\n", "строка 2: входы пишутся нулями и единицами или «-», а не «x»"},
        {"h\nA - A 32\n", "строка 2: номер индикатора от 0 до 31, а не «32»"},
        {"h\n", "в таблице нет ни одной строки после заголовка"},
    };
    for (const auto& [table, complaint] : cases) {
        std::string error;
        EXPECT_FALSE(analysis::parseAutomatonTable(table, error)) << table;
        EXPECT_EQ(error, complaint);
    }
}

}  // namespace
