#include <gtest/gtest.h>

#include "HandmadeFile.h"
#include "io/CircuitFile.h"
#include "sim/Generator.h"
#include "sim/Simulation.h"
#include "support/CircuitChecks.h"

namespace {

const Pins kIndicatorPins = pinsPresent({0, 1, 2, 3, 4});
const Pins kSignalPins = pinsPresent({9});
const Pins kGatePins = pinsPresent({0, 4, 9});

class DamagedFile : public ::testing::Test {
  protected:
    // Reads the handmade bytes into empty tables; the result must always be sound.
    void read() {
        io::decodeCircuit(file.bytes, circuit);
        EXPECT_EQ(circuitLinkViolations(circuit), std::vector<std::string>{});
    }
    int recordCount() const {
        int count = 0;
        for (const auto& e : circuit.logicElements) count += e != nullptr;
        for (const auto& e : circuit.blockElements) count += e != nullptr;
        for (const auto& w : circuit.wires) count += w != nullptr;
        return count;
    }

    HandmadeFile file;
    CCircuit circuit;
};

TEST_F(DamagedFile, RecordWithIndexOutsideItsTableIsDroppedAndReadingGoesOn) {
    file.gate(255, {0, 0}, 2, kGatePins);
    file.element(3, -1, {0, 0}, pinsPresent({0, 3, 6, 9, 10}));
    file.generator(127, {0, 0}, 5, 0, 10, kSignalPins);
    file.wire(1023, {{1, 2}, {3, 4}}, {{}, {}, {}});
    file.wire(-5, {}, {{}, {}});
    file.element(2, 254, {20, 30}, kIndicatorPins);
    read();
    EXPECT_EQ(recordCount(), 1);
    ASSERT_NE(circuit.logicElements[254], nullptr);
    EXPECT_EQ(circuit.logicElements[254]->index, 254);
    EXPECT_EQ(circuit.logicElements[254]->y, 30);
}

TEST_F(DamagedFile, RecordCutShortIsDroppedAndReadingEnds) {
    file.element(5, 0, {0, 0}, kSignalPins);
    const HandmadeFile whole = HandmadeFile().element(5, 1, {0, 0}, kSignalPins);
    for (size_t keep : {4u, 5u, 100u, 191u}) {
        HandmadeFile cut = file;
        cut.bytes.insert(cut.bytes.end(), whole.bytes.begin(),
                         whole.bytes.begin() + static_cast<std::ptrdiff_t>(keep));
        CCircuit read;
        io::decodeCircuit(cut.bytes, read);
        EXPECT_NE(read.blockElements[0], nullptr) << keep;
        EXPECT_EQ(read.blockElements[1], nullptr) << keep;
    }
    // A wire whose last end record lacks its final byte, then a stray partial tag.
    HandmadeFile wire;
    wire.wire(0, {{5, 5}}, {{}, {}});
    wire.bytes.pop_back();
    io::decodeCircuit(wire.bytes, circuit);
    EXPECT_TRUE(circuit.isEmpty());
    io::decodeCircuit(std::vector<uint8_t>{1, 0}, circuit);
    EXPECT_TRUE(circuit.isEmpty());
}

TEST_F(DamagedFile, ImpossibleCountsEndReadingBeforeAnyAllocation) {
    const HandmadeFile after = HandmadeFile().element(5, 3, {0, 0}, kSignalPins);
    auto readWithWireHead = [&](int32_t pointCount, uint32_t endCount, bool withPoint) {
        HandmadeFile bad;
        bad.element(5, 0, {0, 0}, kSignalPins);
        bad.i32(7).i32(1).i32(pointCount);
        if (withPoint) bad.i32(10).i32(10);
        bad.u32(endCount);
        bad.bytes.insert(bad.bytes.end(), after.bytes.begin(), after.bytes.end());
        CCircuit c;
        io::decodeCircuit(bad.bytes, c);
        EXPECT_NE(c.blockElements[0], nullptr);
        // The record after the bad count is not reached: reading ended there.
        EXPECT_EQ(c.blockElements[3], nullptr) << pointCount << " " << endCount;
        EXPECT_EQ(c.wires[1], nullptr);
    };
    readWithWireHead(-1, 2, false);
    readWithWireHead(INT32_MIN, 2, false);
    readWithWireHead(INT32_MAX, 2, false);   // 16 GiB of points
    readWithWireHead(1, 0xFFFFFFFFu, true);  // 80 GiB of ends
    readWithWireHead(1, 0x0CCCCCCDu, true);  // 20 * M wraps to 4 in 32 bits
    readWithWireHead(0x20000001, 2, false);  // 8 * N wraps to 8 in 32 bits
}

TEST_F(DamagedFile, GateWithInputCountOutsideOneToNineIsDropped) {
    for (uint16_t count : {0, 10, 0xFFFF}) file.gate(0, {0, 0}, count, kGatePins);
    file.gate(1, {0, 0}, 9, pinsPresent({0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    file.gate(2, {0, 0}, 1, pinsPresent({2, 9}));
    read();
    EXPECT_EQ(circuit.logicElements[0], nullptr);
    ASSERT_NE(circuit.logicElements[1], nullptr);
    EXPECT_EQ(circuit.logicElements[1]->height, 50);
    ASSERT_NE(circuit.logicElements[2], nullptr);
    EXPECT_EQ(circuit.logicElements[2]->inputCount, 1);
}

TEST_F(DamagedFile, WireWithFewerThanTwoEndsGetsFreeEndsAtItsFirstAndLastPoint) {
    file.element(5, 0, {0, 0}, withLink(kSignalPins, 9, 2, 0));
    file.wire(0, {{10, 20}, {30, 20}, {30, 45}}, {});
    file.wire(1, {}, {});
    file.wire(2, {{25, 10}, {40, 10}}, {{25, 10, EntrSignal, 0, 9}});
    read();
    const WireEnd free0{10, 20, kLinkNone, 0, 0}, free1{30, 45, kLinkNone, 0, 0};
    EXPECT_EQ(circuit.wires[0]->ends, (std::vector<WireEnd>{free0, free1}));
    EXPECT_EQ(circuit.wires[1]->ends, (std::vector<WireEnd>{{}, {}}));
    const std::vector<WireEnd> kept{{25, 10, EntrSignal, 0, 9}, {40, 10, kLinkNone, 0, 0}};
    EXPECT_EQ(circuit.wires[2]->ends, kept);
    EXPECT_EQ(circuit.blockElements[0]->pins[9].connected, 1);
}

TEST_F(DamagedFile, FlagsAndLevelsOtherThanZeroAndOneReadAsOne) {
    Pins pins = kGatePins;
    pins[0].value = 0x80;
    pins[4].present = 7;
    pins[9].value = 2;
    pins[5].present = 0xFF;
    file.gate(0, {0, 0}, 2, pins, /*isConjunction=*/5, /*inverted=*/9);
    read();
    const CLogicElement& gate = *circuit.logicElements[0];
    EXPECT_EQ(gate.isConjunction, 1);
    EXPECT_EQ(gate.inverted, 1);
    EXPECT_EQ(gate.pins[0].value, 1);
    EXPECT_EQ(gate.pins[4].present, 1);
    // A two-input gate has no pin 5, whatever its record says.
    EXPECT_EQ(gate.pins[5].present, 0);
    EXPECT_EQ(gate.pins[9].value, 1);
    const std::vector<uint8_t> written = io::encodeCircuit(circuit);
    EXPECT_EQ(written[4], 1);
    EXPECT_EQ(written[7], 1);
    EXPECT_EQ(written[20 + 2], 1);  // pin 0's level
}

TEST_F(DamagedFile, CoordinatesFarOutsideTheWorkAreaAreHeldAtTheLimit) {
    file.element(5, 0, {INT32_MAX, INT32_MIN}, kSignalPins);
    file.wire(0, {{-2000000000, 15}, {15, 2000000000}}, {{INT32_MIN, 5, kLinkNone, 0, 0}, {}});
    file.element(5, 1, {-9995, 9995}, kSignalPins);
    read();
    EXPECT_EQ(circuit.blockElements[0]->x, 10000);
    EXPECT_EQ(circuit.blockElements[0]->y, -10000);
    EXPECT_EQ(circuit.wires[0]->points, (std::vector<Point>{{-10000, 15}, {15, 10000}}));
    EXPECT_EQ(circuit.wires[0]->ends[0].x, -10000);
    EXPECT_EQ(circuit.blockElements[1]->x, -9995);  // inside the limit: as stored
}

TEST_F(DamagedFile, GeneratorWithoutPeriodTicksAndSettlesSafely) {
    file.generator(0, {10, 10}, 0, 0, 0, withLink(kSignalPins, 9, 0, 0));
    file.generator(1, {10, 60}, 7, 3, 0, kSignalPins);
    file.element(2, 0, {100, 10}, withLink(kIndicatorPins, 0, 0, 1));
    file.wire(0, {{35, 20}, {100, 15}}, {{35, 20, GTI, 0, 9}, {100, 15, Indicator, 0, 0}});
    read();
    CBlockElement& generator = *circuit.blockElements[0];
    EXPECT_EQ(generator.periodTicks, 0u);
    const GeneratorParams shown = sim::fromTicks(generator);
    EXPECT_EQ(shown.period, 0.0f);
    EXPECT_TRUE(shown.duty >= 0.0f && shown.duty <= 1.0f);

    sim::switchPowerOn(circuit);
    for (int tick = 0; tick < 25; ++tick) sim::clockTick(circuit);
    for (const auto& g : {circuit.blockElements[0].get(), circuit.blockElements[1].get()})
        EXPECT_LE(g->pins[9].value, 1);
    EXPECT_EQ(circuit.logicElements[0]->pins[0].value, generator.pins[9].value);
}

TEST_F(DamagedFile, LaterRecordReplacesTheEarlierOneInItsSlot) {
    // The first gate is wired on pin 0; the second one in the same slot is not, so
    // the wire end that named the first gate becomes free.
    file.gate(0, {100, 100}, 2, withLink(kGatePins, 0, 0, 1));
    file.element(5, 0, {0, 100}, withLink(kSignalPins, 9, 0, 0));
    file.wire(0, {{25, 110}, {100, 105}},
              {{25, 110, EntrSignal, 0, 9}, {100, 105, LogicElement, 0, 0}});
    file.gate(0, {200, 200}, 3, pinsPresent({0, 2, 4, 9}), 1);
    read();
    const CLogicElement& gate = *circuit.logicElements[0];
    EXPECT_EQ(gate.x, 200);
    EXPECT_EQ(gate.inputCount, 3);
    EXPECT_EQ(gate.pins[0].connected, 0);
    EXPECT_EQ(circuit.wires[0]->ends[1], (WireEnd{100, 105, kLinkNone, 0, 0}));
    EXPECT_EQ(circuit.wires[0]->ends[0].kind, EntrSignal);
}

TEST_F(DamagedFile, ReadingIntoOccupiedTablesKeepsTheLinksSound) {
    // A wire record replacing a linked wire leaves the pins that named it.
    file.element(5, 0, {0, 0}, withLink(kSignalPins, 9, 0, 0));
    file.element(2, 0, {100, 0}, withLink(kIndicatorPins, 0, 0, 1));
    file.wire(0, {}, {{25, 10, EntrSignal, 0, 9}, {100, 5, Indicator, 0, 0}});
    read();
    ASSERT_EQ(circuit.blockElements[0]->pins[9].connected, 1);
    io::decodeCircuit(HandmadeFile().wire(0, {{1, 1}, {2, 2}}, {{}, {}}).bytes, circuit);
    EXPECT_EQ(circuitLinkViolations(circuit), std::vector<std::string>{});
    EXPECT_EQ(circuit.blockElements[0]->pins[9].connected, 0);
    EXPECT_EQ(circuit.blockElements[0]->pins[9].linkKind, kLinkNone);
    EXPECT_EQ(circuit.logicElements[0]->pins[0].connected, 0);
}

}  // namespace
