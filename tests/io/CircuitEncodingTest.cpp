#include <gtest/gtest.h>

#include "HandmadeFile.h"
#include "io/CircuitFile.h"
#include "support/CircuitBuilder.h"
#include "support/CircuitChecks.h"

namespace {

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

TEST(CircuitEncoding, TwoInputDisjunctorIsTheDocumentedHundredNinetySixBytes) {
    CCircuit circuit;
    CircuitBuilder(circuit).gate(false, 2, false, 100, 50);
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);

    ASSERT_EQ(bytes.size(), 196u);
    const std::vector<uint8_t> head{1, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 50, 0, 0, 0};
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 20), head);
    for (int pin = 0; pin < kPinCount; ++pin) {
        const size_t slot = 20 + 16 * static_cast<size_t>(pin);
        const bool present = pin == 0 || pin == 4 || pin == 9;
        EXPECT_EQ(bytes[slot], present ? 1 : 0) << "pin " << pin;
        for (size_t b = slot + 1; b < slot + 16; ++b) EXPECT_EQ(bytes[b], 0) << "pin " << pin;
    }
    EXPECT_EQ(bytes, HandmadeFile().gate(0, {100, 50}, 2, pinsPresent({0, 4, 9})).bytes);
}

TEST(CircuitEncoding, RecordSizesByKind) {
    auto sizeOf = [](auto build) {
        CCircuit circuit;
        CircuitBuilder builder(circuit);
        build(builder);
        return io::encodeCircuit(circuit).size();
    };
    EXPECT_EQ(sizeOf([](CircuitBuilder&) {}), 0u);
    EXPECT_EQ(sizeOf([](CircuitBuilder& b) { b.gate(true, 9, true); }), 196u);
    EXPECT_EQ(sizeOf([](CircuitBuilder& b) { b.indicator(); }), 192u);
    for (ElementKind kind : {Trigger, Summer, EntrSignal})
        EXPECT_EQ(sizeOf([kind](CircuitBuilder& b) { b.block(kind); }), 192u)
            << kindInfo(kind).name;
    EXPECT_EQ(sizeOf([](CircuitBuilder& b) { b.block(GTI); }), 204u);

    CCircuit circuit;
    const int32_t wire = *circuit.registerWire();
    circuit.wires[wire]->ends.resize(2);
    EXPECT_EQ(io::encodeCircuit(circuit).size(), 56u);
    CCircuit read;
    io::decodeCircuit(io::encodeCircuit(circuit), read);
    ASSERT_NE(read.wires[wire], nullptr);
    EXPECT_TRUE(read.wires[wire]->points.empty());
    EXPECT_EQ(read.wires[wire]->endCount(), 2u);
    circuit.wires[wire]->points = {{0, 0}, {5, 0}, {5, 5}};
    EXPECT_EQ(io::encodeCircuit(circuit).size(), 56u + 24u);
}

TEST(CircuitEncoding, GeneratorTimingFollowsTheTag) {
    CCircuit circuit;
    const int32_t slot = CircuitBuilder(circuit).block(GTI, 35, 40);
    circuit.blockElements[slot]->setupGenerator(20, 10, 15);  // delay shortened to 10
    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    EXPECT_EQ(le32(bytes, 0), 6u);
    EXPECT_EQ(le32(bytes, 4), 10u);   // pulse
    EXPECT_EQ(le32(bytes, 8), 10u);   // delay as stored after the fitting
    EXPECT_EQ(le32(bytes, 12), 20u);  // period
    EXPECT_EQ(le32(bytes, 16), 0u);   // index
    EXPECT_EQ(le32(bytes, 20), 35u);
    EXPECT_EQ(le32(bytes, 24), 40u);
}

TEST(CircuitEncoding, RecordsComeInTableOrderWhateverTheCreationOrder) {
    CCircuit circuit;
    CircuitBuilder builder(circuit);
    const int32_t signal = builder.block(EntrSignal);
    builder.gate(false, 1, true);
    const int32_t trigger = builder.block(Trigger);
    const int32_t indicator = builder.indicator();
    builder.wire(EntrSignal, signal, 9, Indicator, indicator, 0);
    // Deleting slot 0 and registering again puts the newest element first.
    circuit.blockElements[signal].reset();
    builder.block(Summer);

    const std::vector<uint8_t> bytes = io::encodeCircuit(circuit);
    ASSERT_EQ(bytes.size(), 196u + 192 + 192 + 192 + 16 + 8 * 2 + 40);
    EXPECT_EQ(le32(bytes, 0), 1u);  // gate, logic slot 0
    EXPECT_EQ(le32(bytes, 196), 2u);
    EXPECT_EQ(le32(bytes, 196 + 4), 1u);  // indicator in logic slot 1
    EXPECT_EQ(le32(bytes, 388), 4u);      // summer in block slot 0
    EXPECT_EQ(le32(bytes, 580), 3u);      // trigger in block slot 1
    EXPECT_EQ(le32(bytes, 580 + 4), static_cast<uint32_t>(trigger));
    EXPECT_EQ(le32(bytes, 772), 7u);
}

// Every kind, links on both sides, junctions, a stub with a free end, levels.
void buildRichCircuit(CCircuit& circuit) {
    CircuitBuilder b(circuit);
    const int32_t signal = b.block(EntrSignal, 10, 10);
    const int32_t generator = b.block(GTI, 10, 60);
    circuit.blockElements[generator]->setupGenerator(30, 12, 5);
    const int32_t gate = b.gate(true, 2, true, 100, 20);
    const int32_t trigger = b.block(Trigger, 200, 20);
    const int32_t summer = b.block(Summer, 200, 120);
    const int32_t indicator = b.indicator(300, 20);
    b.gate(false, 8, false, 400, 400);
    const int32_t w0 = b.wire(EntrSignal, signal, 9, LogicElement, gate, 0, {{35, 20}, {100, 25}});
    const int32_t w1 = b.wire(GTI, generator, 9, Trigger, trigger, 3);
    const int32_t w2 = b.stub(LogicElement, gate, 9, {160, 30});
    b.wire(Trigger, trigger, 9, Indicator, indicator, 0);
    const int32_t w4 = b.stub(Summer, summer, 6, {150, 200});
    const int32_t w5 = b.stub(Summer, summer, 0, {150, 150});
    b.join(w4, 1, w0);
    b.join(w5, 1, w0);
    b.join(w2, 1, w1);
    circuit.blockElements[trigger]->pins[9].value = 1;
    circuit.blockElements[trigger]->pins[10].value = 0;
    circuit.logicElements[indicator]->pins[0].value = 1;
}

TEST(CircuitEncoding, WriteReadWriteGivesTheSameBytes) {
    CCircuit original;
    buildRichCircuit(original);
    ASSERT_EQ(circuitLinkViolations(original), std::vector<std::string>{});
    const std::vector<uint8_t> first = io::encodeCircuit(original);

    CCircuit read;
    io::decodeCircuit(first, read);
    EXPECT_EQ(io::encodeCircuit(read), first);
    EXPECT_EQ(circuitLinkViolations(read), std::vector<std::string>{});
}

TEST(CircuitEncoding, ReadingRebuildsWhatIsNotStoredAndTakesTheRestAsStored) {
    CCircuit original;
    buildRichCircuit(original);
    CBlockElement& trigger = *original.blockElements[2];
    trigger.latchedJ = trigger.clockArmed = trigger.latchedK = 1;
    trigger.drawState = kDrawStateDisabled;
    original.blockElements[1]->tickCounter = 7;
    original.wires[0]->highlighted = 1;
    original.logicElements[0]->x = 103;  // off the grid: not snapped on reading

    CCircuit read;
    io::decodeCircuit(io::encodeCircuit(original), read);
    const CBlockElement& readTrigger = *read.blockElements[2];
    EXPECT_EQ(readTrigger.pins[9].value, 1);
    EXPECT_EQ(readTrigger.pins[10].value, 0);
    EXPECT_EQ(readTrigger.latchedJ + readTrigger.clockArmed + readTrigger.latchedK, 0);
    EXPECT_EQ(readTrigger.drawState, 0);
    EXPECT_EQ(readTrigger.bitmap, bitmap::TriggerBody);
    EXPECT_EQ(readTrigger.width, 40);
    const CBlockElement& generator = *read.blockElements[1];
    EXPECT_EQ(generator.tickCounter, 0u);
    EXPECT_EQ(generator.periodTicks, 30u);
    EXPECT_EQ(generator.pulseTicks, 12u);
    EXPECT_EQ(generator.delayTicks, 5u);
    EXPECT_EQ(read.wires[0]->highlighted, 0);
    const CLogicElement& gate = *read.logicElements[0];
    EXPECT_EQ(gate.x, 103);
    EXPECT_EQ(gate.bodyBitmap, bitmap::Gate2);
    EXPECT_EQ(gate.outputBitmap, bitmap::OutputInverted);
    EXPECT_EQ(read.logicElements[1]->pins[0].value, 1);
    EXPECT_EQ(read.logicElements[2]->height, 50);
    EXPECT_EQ(read.wires[0]->ends, original.wires[0]->ends);
}

TEST(CircuitEncoding, PaddingByteIsWrittenAsZeroWhateverWasRead) {
    const Pins pins = pinsPresent({9});
    HandmadeFile file;
    file.i32(5).i32(0).i32(0).i32(0).pins(pins, 0xAB);
    CCircuit circuit;
    io::decodeCircuit(file.bytes, circuit);
    ASSERT_NE(circuit.blockElements[0], nullptr);
    EXPECT_EQ(io::encodeCircuit(circuit), HandmadeFile().element(5, 0, {0, 0}, pins).bytes);
}

TEST(CircuitEncoding, StrayTagsBetweenRecordsAreSkippedFourBytesAtATime) {
    HandmadeFile file;
    file.element(2, 3, {50, 50}, pinsPresent({0, 1, 2, 3, 4}));
    file.i32(9).i32(-1).i32(0);
    file.element(3, 4, {60, 60}, pinsPresent({0, 3, 6, 9, 10}));
    CCircuit circuit;
    io::decodeCircuit(file.bytes, circuit);
    ASSERT_NE(circuit.logicElements[3], nullptr);
    EXPECT_EQ(circuit.logicElements[3]->kind, Indicator);
    ASSERT_NE(circuit.blockElements[4], nullptr);
    EXPECT_EQ(circuit.blockElements[4]->kind, Trigger);
    EXPECT_EQ(circuit.blockElements[4]->x, 60);
}

TEST(CircuitEncoding, EmptyFileIsTheEmptyCircuit) {
    CCircuit circuit;
    io::decodeCircuit({}, circuit);
    EXPECT_TRUE(circuit.isEmpty());
}

}  // namespace
