#include <gtest/gtest.h>

#include "model/Circuit.h"

namespace {

std::unique_ptr<CLogicElement> gate() {
    return std::make_unique<CLogicElement>(true, 2, false);
}

TEST(CircuitTest, RegistrationTakesTheLowestFreeSlotAndReusesFreedOnes) {
    CCircuit circuit;
    for (int i = 0; i < 5; ++i) {
        auto element = gate();
        ASSERT_TRUE(circuit.registerLogicElement(element));
        EXPECT_EQ(element, nullptr);
        EXPECT_EQ(circuit.logicElements[i]->index, i);
    }
    circuit.logicElements[2].reset();
    auto element = gate();
    CLogicElement* raw = element.get();
    ASSERT_TRUE(circuit.registerLogicElement(element));
    EXPECT_EQ(circuit.logicElements[2].get(), raw);
    EXPECT_EQ(raw->index, 2);
}

TEST(CircuitTest, FullLogicTableRefusesThe256thElementAndLeavesItWithTheCaller) {
    CCircuit circuit;
    for (int i = 0; i < 255; ++i) {
        auto element = gate();
        ASSERT_TRUE(circuit.registerLogicElement(element));
    }
    EXPECT_EQ(circuit.logicElements[254]->index, 254);
    auto extra = gate();
    extra->index = -1;
    EXPECT_FALSE(circuit.registerLogicElement(extra));
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->index, -1);
}

TEST(CircuitTest, FullBlockAndWireTablesRefuseTheNextRecord) {
    CCircuit circuit;
    for (int i = 0; i < 127; ++i) {
        auto element = std::make_unique<CBlockElement>(Summer);
        ASSERT_TRUE(circuit.registerBlockElement(element));
    }
    auto extraBlock = std::make_unique<CBlockElement>(Trigger);
    EXPECT_FALSE(circuit.registerBlockElement(extraBlock));
    EXPECT_NE(extraBlock, nullptr);

    for (int i = 0; i < 1023; ++i) {
        const std::optional<int32_t> slot = circuit.registerWire();
        ASSERT_EQ(slot, i);
        EXPECT_EQ(circuit.wires[i]->index, i);
    }
    EXPECT_EQ(circuit.registerWire(), std::nullopt);
}

TEST(CircuitTest, ClearCircuitEmptiesEveryTableAndRegistrationStartsAgainAtZero) {
    CCircuit circuit;
    auto g = gate();
    auto b = std::make_unique<CBlockElement>(GTI);
    circuit.registerLogicElement(g);
    circuit.registerBlockElement(b);
    circuit.registerWire();
    circuit.registerWire();
    EXPECT_FALSE(circuit.isEmpty());
    circuit.clearCircuit();
    EXPECT_TRUE(circuit.isEmpty());
    EXPECT_EQ(circuit.registerWire(), 0);
}

TEST(CircuitTest, LookupsRefuseNumbersOutsideTheTablesAndPickTheTableByKind) {
    CCircuit circuit;
    auto g = gate();
    g->setPosition(100, 50);
    auto t = std::make_unique<CBlockElement>(Trigger);
    t->setPosition(200, 100);
    circuit.registerLogicElement(g);
    circuit.registerBlockElement(t);

    EXPECT_EQ(circuit.logicElement(-1), nullptr);
    EXPECT_EQ(circuit.logicElement(255), nullptr);
    EXPECT_EQ(circuit.wire(1023), nullptr);
    EXPECT_EQ(circuit.pin(LogicElement, 0, 11), nullptr);
    EXPECT_EQ(circuit.linkedPin({0, 0, kLinkWire, 0, 0}), nullptr);
    EXPECT_EQ(circuit.pinAnchor(LogicElement, 0, 0), (Point{100, 55}));
    EXPECT_EQ(circuit.pinAnchor(LogicElement, 0, 9), (Point{130, 65}));
    EXPECT_EQ(circuit.pinAnchor(Trigger, 0, 9), (Point{240, 110}));
    // Kinds 3 to 6 all name the block table.
    EXPECT_EQ(circuit.pinsOf(GTI, 0), &circuit.blockElements[0]->pins);
    EXPECT_EQ(circuit.pinAnchor(Indicator, 1, 0), std::nullopt);
    EXPECT_EQ(circuit.wireEnd(0, 0), nullptr);
}

}  // namespace
