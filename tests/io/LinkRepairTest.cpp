#include <gtest/gtest.h>

#include "HandmadeFile.h"
#include "io/CircuitFile.h"
#include "sim/Simulation.h"
#include "support/CircuitChecks.h"

namespace {

const Pins kSignalPins = pinsPresent({9});
const Pins kIndicatorPins = pinsPresent({0, 1, 2, 3, 4});

WireEnd freeAt(int32_t x, int32_t y) {
    return {x, y, kLinkNone, 0, 0};
}
WireEnd junction(int32_t x, int32_t y, int32_t wire, int32_t position) {
    return {x, y, kLinkWire, wire, position};
}

class LinkRepair : public ::testing::Test {
  protected:
    void read() {
        io::decodeCircuit(file.bytes, circuit);
        EXPECT_EQ(circuitLinkViolations(circuit), std::vector<std::string>{});
    }
    const std::vector<WireEnd>& ends(int wire) const { return circuit.wires[wire]->ends; }

    HandmadeFile file;
    CCircuit circuit;
};

TEST_F(LinkRepair, PinIsDisconnectedUnlessItsEndNamesItBack) {
    Pins pins = withLink(kIndicatorPins, 0, 0, 1);  // mutual
    pins = withLink(pins, 1, 0, 1);                 // the end names pin 0, not pin 1
    pins = withLink(pins, 2, 5, 0);                 // no wire 5
    pins = withLink(pins, 3, 0, 9);                 // no end 9
    pins[4].connected = 1;                          // linked but without linkKind
    file.element(2, 0, {100, 0}, pins);
    file.element(5, 0, {0, 0}, withLink(kSignalPins, 9, 0, 0));
    file.wire(0, {}, {{25, 10, EntrSignal, 0, 9}, {100, 5, Indicator, 0, 0}});
    read();
    const Pins& read = circuit.logicElements[0]->pins;
    EXPECT_EQ(read[0].connected, 1);
    EXPECT_EQ(read[0].linkKind, kLinkWire);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(read[p].connected, 0) << p;
        EXPECT_EQ(read[p].linkKind, kLinkNone) << p;
    }
    EXPECT_EQ(ends(0)[1], (WireEnd{100, 5, Indicator, 0, 0}));
}

TEST_F(LinkRepair, EndOnAMissingElementOrPinOrWithoutBackLinkBecomesFree) {
    Pins indicatorPins = withLink(kIndicatorPins, 0, 3, 1);
    indicatorPins[0].present = 0;  // names the end back, but is absent
    file.element(2, 0, {100, 0}, indicatorPins);
    file.element(5, 0, {0, 0}, kSignalPins);  // does not name wire 0 back
    file.wire(0, {}, {{25, 10, EntrSignal, 0, 9}, {7, 8, EntrSignal, 9, 9}});  // no element 9
    file.wire(
        1, {},
        {{1, 1, Trigger, 0, 11}, {2, 2, LinkKind::fromStored(12), 0, 0}});  // no pin 11, no kind 12
    file.wire(2, {}, {{3, 3, LogicElement, 0, 0}, {4, 4, Indicator, 0, -1}});  // kind differs
    file.wire(3, {}, {{5, 5, EntrSignal, 0, 9}, {100, 5, Indicator, 0, 0}});
    read();
    EXPECT_EQ(ends(0), (std::vector<WireEnd>{freeAt(25, 10), freeAt(7, 8)}));
    EXPECT_EQ(ends(1), (std::vector<WireEnd>{freeAt(1, 1), freeAt(2, 2)}));
    EXPECT_EQ(ends(2), (std::vector<WireEnd>{freeAt(3, 3), freeAt(4, 4)}));
    EXPECT_EQ(ends(3), (std::vector<WireEnd>{freeAt(5, 5), freeAt(100, 5)}));
    EXPECT_EQ(circuit.logicElements[0]->pins[0].connected, 0);
}

TEST_F(LinkRepair, OwnEndJoinedToAPartnerThatDoesNotNameItBackBecomesFree) {
    file.wire(0, {}, {junction(10, 10, 1, 2), junction(20, 20, 1, 7), junction(30, 30, 0, 0)});
    file.wire(1, {}, {freeAt(0, 0), freeAt(5, 5), junction(10, 10, 2, 0)});
    file.wire(2, {}, {freeAt(1, 1), freeAt(2, 2)});
    read();
    EXPECT_EQ(ends(0), (std::vector<WireEnd>{freeAt(10, 10), freeAt(20, 20)}));
    EXPECT_EQ(ends(1), (std::vector<WireEnd>{freeAt(0, 0), freeAt(5, 5)}));
}

// Wire 0 carries junction ends of wires 1 and 2 among unsound ones; removing the
// unsound ones moves the sound ones down, and their partners must follow.
TEST_F(LinkRepair, UnsoundJunctionEndsAreRemovedAndMovedOnesRenamed) {
    file.element(5, 0, {0, 0}, withLink(kSignalPins, 9, 0, 0));
    file.element(2, 0, {100, 0}, withLink(withLink(kIndicatorPins, 0, 1, 0), 2, 2, 0));
    file.element(2, 1, {200, 0}, withLink(kIndicatorPins, 0, 0, 6));
    file.wire(0, {{25, 10}, {60, 10}},
              {{25, 10, EntrSignal, 0, 9},
               freeAt(60, 10),
               junction(30, 10, 3, 1),       // wire 3 does not exist
               junction(40, 10, 1, 1),       // sound: wire 1's end 1
               freeAt(45, 10),               // a free junction end
               junction(50, 10, 2, 1),       // sound: wire 2's end 1
               {55, 10, Indicator, 1, 0}});  // a junction end on a pin
    file.wire(1, {}, {{100, 5, Indicator, 0, 0}, junction(40, 10, 0, 3)});
    file.wire(2, {}, {{100, 15, Indicator, 0, 2}, junction(50, 10, 0, 5)});
    read();
    EXPECT_EQ(ends(0), (std::vector<WireEnd>{{25, 10, EntrSignal, 0, 9},
                                             freeAt(60, 10),
                                             junction(40, 10, 1, 1),
                                             junction(50, 10, 2, 1)}));
    EXPECT_EQ(ends(1)[1], junction(40, 10, 0, 2));
    EXPECT_EQ(ends(2)[1], junction(50, 10, 0, 3));
    EXPECT_EQ(circuit.logicElements[1]->pins[0].connected, 0);

    // The signal reaches both indicator inputs through the junctions.
    circuit.blockElements[0]->pins[9].value = 1;
    sim::settle(circuit);
    EXPECT_EQ(circuit.logicElements[0]->pins[0].value, 1);
    EXPECT_EQ(circuit.logicElements[0]->pins[2].value, 1);
}

TEST_F(LinkRepair, WireJoinedOntoItselfLosesTheJunction) {
    file.wire(0, {{0, 0}, {20, 0}}, {freeAt(0, 0), junction(20, 0, 0, 2), junction(20, 0, 0, 1)});
    read();
    EXPECT_EQ(ends(0), (std::vector<WireEnd>{freeAt(0, 0), freeAt(20, 0)}));
}

TEST_F(LinkRepair, SoundLinksAreLeftAsTheyAre) {
    file.element(2, 0, {100, 0}, withLink(withLink(kIndicatorPins, 0, 0, 1), 1, 1, 0));
    file.element(5, 0, {0, 0}, withLink(kSignalPins, 9, 0, 0));
    file.wire(0, {{25, 10}, {100, 5}},
              {{25, 10, EntrSignal, 0, 9}, {100, 5, Indicator, 0, 0}, junction(60, 10, 1, 1)});
    file.wire(1, {{100, 10}, {60, 10}}, {{100, 10, Indicator, 0, 1}, junction(60, 10, 0, 2)});
    read();
    EXPECT_EQ(io::encodeCircuit(circuit), file.bytes);
}

}  // namespace
