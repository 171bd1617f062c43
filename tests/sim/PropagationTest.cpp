#include <algorithm>

#include "SimFixture.h"
#include "sim/Simulation.h"
#include "sim/WireLevels.h"
#include "support/CircuitChecks.h"

namespace {

using PropagationTest = SimFixture;

// A wire from the pin whose far end is joined onto wire `onto`: a branch of that net.
int32_t branch(CircuitBuilder& build, ElementKind kind, int32_t slot, int32_t pin, int32_t onto) {
    const int32_t wire = build.stub(kind, slot, pin, {500, 500});
    build.join(wire, 1, onto);
    return wire;
}

TEST_F(PropagationTest, WalksJunctionsDepthFirstAndReachesEveryInput) {
    const int32_t source = signal(1);
    const int32_t near = buffer(), left = buffer(), right = buffer();
    const int32_t display = build.indicator();
    const int32_t trunk = build.wire(EntrSignal, source, 9, LogicElement, near, 2);
    const int32_t leftBranch = branch(build, LogicElement, left, 2, trunk);
    const int32_t rightBranch = branch(build, LogicElement, right, 2, trunk);
    const int32_t twig = branch(build, Indicator, display, 3, leftBranch);

    std::vector<int32_t> visited{trunk};
    sim::propagate(circuit, trunk, visited, 1);
    // The left branch is followed to its twig before the trunk's next junction.
    EXPECT_EQ(visited, (std::vector<int32_t>{trunk, leftBranch, twig, rightBranch}));
    for (int32_t gate : {near, left, right}) EXPECT_EQ(logicPins(gate)[2].value, 1);
    EXPECT_EQ(logicPins(display)[3].value, 1);
    // The driving output itself is never written by its wire.
    EXPECT_EQ(block(source).pins[9].value, 1);
    // With every wire already in the list only the named wire itself is walked.
    sim::propagate(circuit, trunk, visited, 0);
    EXPECT_EQ(logicPins(near)[2].value, 0);
    EXPECT_EQ(logicPins(left)[2].value, 1);
    EXPECT_EQ(logicPins(display)[3].value, 1);
}

TEST_F(PropagationTest, JunctionLoopsAreWalkedOnceAndEnd) {
    const int32_t source = signal(1);
    const int32_t a = buffer(), b = buffer(), c = buffer();
    const int32_t first = build.stub(LogicElement, a, 2, {100, 100});
    const int32_t second = build.stub(LogicElement, b, 2, {200, 100});
    const int32_t third = build.stub(LogicElement, c, 2, {300, 100});
    // first -> second -> third -> first, and a bridge with both ends on first:
    // the net holds cycles of three wires and of two.
    build.join(first, 1, second);
    build.join(second, 1, third);
    build.join(third, 1, first);
    build.bridge(first, first);
    branch(build, LogicElement, buffer(), 2, first);
    build.join(build.stub(EntrSignal, source, 9, {0, 0}), 1, third);

    std::vector<int32_t> visited{first};
    sim::propagate(circuit, first, visited, 1);
    std::vector<int32_t> sorted = visited;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
    EXPECT_EQ(visited.size(), 6u);
    EXPECT_TRUE(circuitLinkViolations(circuit).empty());

    const sim::SettleResult result = sim::switchPowerOn(circuit);
    EXPECT_TRUE(result.settled);
    for (int32_t gate : {a, b, c}) EXPECT_EQ(output(gate), 1);
}

TEST_F(PropagationTest, ANetAsLongAsTheWireTableIsWalkedToItsFarEnd) {
    const int32_t source = signal(1);
    const int32_t far = buffer();
    int32_t previous = build.stub(EntrSignal, source, 9, {0, 0});
    while (previous + 2 < CCircuit::kWireSlots) {
        const int32_t next = *circuit.registerWire();
        circuit.wires[next]->ends.resize(2);
        build.join(next, 0, previous);
        previous = next;
    }
    build.join(build.stub(LogicElement, far, 2, {5, 5}), 1, previous);
    ASSERT_TRUE(circuit.wires[CCircuit::kWireSlots - 1]);

    std::vector<int32_t> visited{0};
    sim::propagate(circuit, 0, visited, 1);
    EXPECT_EQ(visited.size(), static_cast<size_t>(CCircuit::kWireSlots));
    EXPECT_EQ(logicPins(far)[2].value, 1);
    EXPECT_TRUE(sim::switchPowerOn(circuit).settled);
    EXPECT_EQ(output(far), 1);
}

TEST_F(PropagationTest, EndsNamingNothingAreSkippedAndTheWalkGoesOn) {
    const int32_t gate = buffer();
    const int32_t wire = *circuit.registerWire();
    circuit.wires[wire]->ends = {
        {0, 0, LogicElement, 300, 2},               // past the logic table
        {0, 0, LogicElement, 5, 2},                 // empty slot
        {0, 0, Trigger, -1, 0},                     // negative slot
        {0, 0, kLinkWire, 5000, 0},                 // past the wire table
        {0, 0, kLinkWire, 9, 0},                    // empty wire slot
        {0, 0, LogicElement, gate, -3},             // negative pin
        {0, 0, LogicElement, gate, 9},              // an output
        {0, 0, LinkKind::fromStored(12), gate, 2},  // no such kind
        {0, 0, kLinkNone, gate, 2},                 // a free end
        {0, 0, LogicElement, gate, 2},              // the one real input, last
    };
    std::vector<int32_t> visited{wire};
    sim::propagate(circuit, wire, visited, 1);
    EXPECT_EQ(visited, std::vector<int32_t>{wire});
    EXPECT_EQ(logicPins(gate)[2].value, 1);
    EXPECT_EQ(output(gate), 0);

    // An output that names a wire past the table delivers nothing and harms nothing.
    logicPins(gate)[9].connected = 1;
    logicPins(gate)[9].wireIndex = CCircuit::kWireSlots + 40;
    sim::propagate(circuit, -1, visited, 1);
    EXPECT_TRUE(sim::settle(circuit).settled);
    EXPECT_EQ(output(gate), 1);
}

TEST_F(PropagationTest, IndicatorInputsReceiveTheirLevels) {
    const int32_t high = signal(1), low = signal(0);
    const int32_t display = build.indicator();
    const int32_t net = build.wire(EntrSignal, high, 9, Indicator, display, 0);
    branch(build, Indicator, display, 2, net);
    build.wire(EntrSignal, low, 9, Indicator, display, 4);
    logicPins(display)[1].value = 1;  // unwired: cleared by the power-on reset
    sim::switchPowerOn(circuit);
    const std::vector<uint8_t> expected{1, 0, 1, 0, 0};
    for (int p = 0; p < 5; ++p) EXPECT_EQ(logicPins(display)[p].value, expected[p]) << p;
}

TEST_F(PropagationTest, ALaterDriverOfTheSameNetWinsThePass) {
    // Block outputs are delivered before logic outputs: the gate's 0 overrides
    // the input signal's 1.
    const int32_t source = signal(1);
    const int32_t low = buffer();
    const int32_t reader = buffer();
    const int32_t net = build.wire(EntrSignal, source, 9, LogicElement, reader, 2);
    branch(build, LogicElement, low, 9, net);
    sim::switchPowerOn(circuit);
    EXPECT_EQ(output(reader), 0);
}

TEST_F(PropagationTest, AmongGatesTheHigherSlotWinsEitherWayRound) {
    for (bool lowerSlotInverted : {true, false}) {
        SCOPED_TRACE(lowerSlotInverted);
        circuit.clearCircuit();
        const int32_t lower = build.gate(false, 1, lowerSlotInverted);
        const int32_t higher = build.gate(false, 1, !lowerSlotInverted);
        const int32_t reader = buffer();
        const int32_t net = build.wire(LogicElement, higher, 9, LogicElement, reader, 2);
        branch(build, LogicElement, lower, 9, net);
        sim::switchPowerOn(circuit);
        EXPECT_EQ(output(reader), output(higher));
        EXPECT_NE(output(lower), output(higher));
    }
}

TEST_F(PropagationTest, InverseQIsDeliveredAfterQ) {
    const int32_t trigger = build.block(Trigger);
    const int32_t reader = buffer();
    const int32_t net = build.wire(Trigger, trigger, 9, LogicElement, reader, 2);
    branch(build, Trigger, trigger, 10, net);
    sim::switchPowerOn(circuit);
    EXPECT_EQ(block(trigger).pins[9].value, 0);
    EXPECT_EQ(output(reader), 1);
}

// A signal at 1 through `length` buffers, laid out in rising or falling slots.
class ChainTest : public SimFixture, public ::testing::WithParamInterface<bool> {};

TEST_P(ChainTest, EveryGateNeedsOnePassThenOneQuietPass) {
    const bool risingSlots = GetParam();
    constexpr int kLength = 6;
    const int32_t source = signal(1);
    std::vector<int32_t> gates;
    gates.reserve(kLength);
    for (int i = 0; i < kLength; ++i) gates.push_back(buffer());
    if (!risingSlots) std::reverse(gates.begin(), gates.end());
    build.wire(EntrSignal, source, 9, LogicElement, gates[0], 2);
    for (int i = 1; i < kLength; ++i)
        build.wire(LogicElement, gates[i - 1], 9, LogicElement, gates[i], 2);

    const sim::SettleResult result = sim::switchPowerOn(circuit);
    // Evaluation sees only the levels delivered at the start of a pass, so the
    // slot order does not shorten the chain.
    EXPECT_EQ(result.passes, kLength + 1);
    EXPECT_TRUE(result.settled);
    for (int32_t gate : gates) EXPECT_EQ(output(gate), 1);
    EXPECT_EQ(sim::settle(circuit).passes, 1);
}

INSTANTIATE_TEST_SUITE_P(BothSlotOrders, ChainTest, ::testing::Bool());

TEST_F(PropagationTest, AnOscillatorStopsAtThePassLimitWithTheLastPassLevels) {
    const int32_t loop = inverter();
    build.wire(LogicElement, loop, 9, LogicElement, loop, 2);
    const int32_t source = signal(1);
    const int32_t follower = inverter();
    build.wire(EntrSignal, source, 9, LogicElement, follower, 2);

    for (int run = 0; run < 2; ++run) {
        const sim::SettleResult result =
            run == 0 ? sim::switchPowerOn(circuit) : sim::settle(circuit);
        EXPECT_FALSE(result.settled);
        EXPECT_EQ(result.passes, sim::kSettlePassLimit);
        // An even number of passes from output 1 ends where it began: the last
        // pass delivered 0 and computed 1 from it.
        EXPECT_EQ(logicPins(loop)[2].value, 0);
        EXPECT_EQ(output(loop), 1);
        EXPECT_EQ(output(follower), 0) << "the rest of the circuit still settles";
    }
}

// Each wire shows the level of the output whose delivery reaches it, through
// junctions, and of the one delivered last where two outputs share a net.
TEST_F(PropagationTest, WireLevelsFollowTheDeliveries) {
    const int32_t high = signal(1), low = signal(0);
    const int32_t near = buffer(), far = buffer();
    const int32_t display = build.indicator();
    const int32_t trunk = build.wire(EntrSignal, high, 9, LogicElement, near, 2);
    const int32_t fork = branch(build, LogicElement, far, 2, trunk);
    const int32_t lowWire = build.wire(EntrSignal, low, 9, Indicator, display, 0);
    const int32_t loose = build.stub(Indicator, display, 1, {600, 600});
    const int32_t nearOut = build.wire(LogicElement, near, 9, Indicator, display, 2);
    const int32_t farOut = build.stub(LogicElement, far, 9, {700, 700});
    build.join(farOut, 1, lowWire);

    using enum WireLevel;
    auto levelsOf = [&] {
        const WireLevels levels = sim::wireLevels(circuit);
        std::vector<WireLevel> picked;
        for (int32_t wire : {trunk, fork, lowWire, loose, nearOut, farOut})
            picked.push_back(levels[static_cast<size_t>(wire)]);
        return picked;
    };
    // Before a settle the gates still show 0.
    EXPECT_EQ(levelsOf(), (std::vector<WireLevel>{High, High, Low, None, Low, Low}));
    sim::settle(circuit);
    EXPECT_EQ(levelsOf(), (std::vector<WireLevel>{High, High, High, None, High, High}));
    EXPECT_EQ(sim::wireLevels(CCircuit{}).size(), size_t{CCircuit::kWireSlots});
}

}  // namespace
