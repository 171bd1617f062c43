// The automaton of random small sequential circuits, replayed clock by clock on
// the circuit itself as the window's simulation runs it (power on, the inputs set
// and settled, the clock pulsed or the generators ticked): every output and every
// next state is the one the table gives.
#include <gtest/gtest.h>

#include <numeric>
#include <random>

#include "SequentialCircuits.h"
#include "analysis/Automaton.h"
#include "sim/Simulator.h"

namespace {

using Source = CSequentialCircuit::Source;

struct RandomCircuit {
    int32_t clock = 0;  // the clock signal, or the generator
    bool generatorClock = false;
    uint64_t stepTicks = 0;
    std::vector<int32_t> inputs;
    std::vector<int32_t> triggers;
    int32_t indicator = 0;
};

// Triggers clocked by the clock, or by an earlier trigger (a ripple counter); gates
// fed from the inputs, the triggers and earlier gates, so that no loop runs through gates.
RandomCircuit drawRandom(CSequentialCircuit& c, uint32_t seed) {
    std::mt19937 random(seed);
    const auto pick = [&random](size_t n) {
        return std::uniform_int_distribution<size_t>(0, n - 1)(random);
    };
    RandomCircuit drawn;
    drawn.generatorClock = pick(3) == 0;
    uint32_t period = 2 + static_cast<uint32_t>(pick(3));
    drawn.clock = drawn.generatorClock ? c.generator(period, 1, 0) : c.signal(0);
    drawn.stepTicks = period;
    if (drawn.generatorClock && pick(2) == 0) {
        const uint32_t other = 2 + static_cast<uint32_t>(pick(3));
        c.generator(other, 1, 1);
        drawn.stepTicks = std::lcm(period, other);
    }
    std::vector<Source> sources;
    for (size_t i = 0, n = 1 + pick(2); i < n; ++i) {
        drawn.inputs.push_back(c.signal(static_cast<int32_t>(i) + 2));
        sources.push_back(level(drawn.inputs.back()));
    }
    for (size_t i = 0, n = 1 + pick(3); i < n; ++i) {
        drawn.triggers.push_back(c.trigger(static_cast<int32_t>(i)));
        sources.push_back(q(drawn.triggers.back()));
        sources.push_back(notQ(drawn.triggers.back()));
    }
    for (size_t i = 0, n = pick(4); i < n; ++i) {
        const int32_t gate = c.gate(pick(2) == 0, 2, pick(2) == 0);
        c.connect(sources[pick(sources.size())], LogicElement, gate, 0);
        c.connect(sources[pick(sources.size())], LogicElement, gate, 1);
        sources.push_back(out(gate));
    }
    const Source clock{drawn.generatorClock ? GTI : EntrSignal, drawn.clock, kOutputPin};
    for (size_t i = 0; i < drawn.triggers.size(); ++i) {
        const int32_t t = drawn.triggers[i];
        c.connect(sources[pick(sources.size())], Trigger, t, kTriggerJ);
        c.connect(sources[pick(sources.size())], Trigger, t, kTriggerK);
        const bool ripple = i > 0 && pick(3) == 0;
        c.connect(ripple ? q(drawn.triggers[pick(i)]) : clock, Trigger, t, kTriggerClock);
        if (pick(2) == 0) {
            Pins& pins = c.circuit().blockElement(t)->pins;
            pins[kTriggerQ].value = 1;
            pins[kTriggerNotQ].value = 0;
        }
    }
    drawn.indicator = c.indicator();
    for (int pin = 0; pin < 3; ++pin)
        c.connect(sources[pick(sources.size())], Indicator, drawn.indicator, pin);
    return drawn;
}

std::string triggerBits(const CCircuit& circuit, const RandomCircuit& drawn) {
    std::string bits;
    for (const int32_t t : drawn.triggers)
        bits += circuit.blockElement(t)->pins[kTriggerQ].value ? '1' : '0';
    return bits;
}

TEST(AutomatonReplayTest, RandomCircuitsRunAsTheirTablesSay) {
    std::mt19937 inputs(7);
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        CSequentialCircuit analysed;
        drawRandom(analysed, seed);
        std::string error;
        const auto automaton = analysis::circuitAutomaton(analysed.circuit(), {}, error);
        ASSERT_TRUE(automaton) << error;
        const analysis::Automaton& table = automaton->automaton;

        CSequentialCircuit replayed;
        const RandomCircuit drawn = drawRandom(replayed, seed);
        CCircuit& circuit = replayed.circuit();
        sim::CSimulator simulation(circuit);
        simulation.switchPowerOn();
        size_t state = table.initial;
        ASSERT_EQ(table.states[state], triggerBits(circuit, drawn));
        for (int clock = 0; clock < 20; ++clock) {
            const uint32_t vector = inputs() % table.vectors();
            for (size_t i = 0; i < drawn.inputs.size(); ++i)
                circuit.blockElement(drawn.inputs[i])->pins[kOutputPin].value =
                    static_cast<uint8_t>((vector >> (drawn.inputs.size() - 1 - i)) & 1u);
            simulation.settle();
            ASSERT_EQ(indicatorNumber(circuit.logicElement(drawn.indicator)->pins),
                      table.output(state, vector)[0])
                << "clock " << clock;
            if (drawn.generatorClock) {
                for (uint64_t tick = 0; tick < drawn.stepTicks; ++tick) simulation.clockTick();
            } else {
                Pin& level = circuit.blockElement(drawn.clock)->pins[kOutputPin];
                level.value = 1;
                simulation.settle();
                level.value = 0;
                simulation.settle();
            }
            state = table.nextState(state, vector);
            ASSERT_EQ(table.states[state], triggerBits(circuit, drawn)) << "clock " << clock;
        }
    }
}

}  // namespace
