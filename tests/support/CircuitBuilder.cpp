#include "support/CircuitBuilder.h"

#include <gtest/gtest.h>

int32_t CircuitBuilder::gate(bool isConjunction, uint16_t inputs, bool inverted, int32_t x,
                             int32_t y) {
    auto element = std::make_unique<CLogicElement>(isConjunction, inputs, inverted);
    element->setPosition(x, y);
    CLogicElement* raw = element.get();
    EXPECT_TRUE(circuit_.registerLogicElement(element));
    return raw->index;
}

int32_t CircuitBuilder::indicator(int32_t x, int32_t y) {
    auto element = std::make_unique<CLogicElement>(Indicator);
    element->setPosition(x, y);
    CLogicElement* raw = element.get();
    EXPECT_TRUE(circuit_.registerLogicElement(element));
    return raw->index;
}

int32_t CircuitBuilder::block(ElementKind kind, int32_t x, int32_t y) {
    auto element = std::make_unique<CBlockElement>(kind);
    element->setPosition(x, y);
    CBlockElement* raw = element.get();
    EXPECT_TRUE(circuit_.registerBlockElement(element));
    return raw->index;
}

void CircuitBuilder::linkEnd(int32_t wireSlot, int32_t position, ElementKind kind, int32_t slot,
                             int32_t pinNumber) {
    const std::optional<Point> anchor = circuit_.pinAnchor(kind, slot, pinNumber);
    EXPECT_TRUE(anchor.has_value());
    WireEnd& end = circuit_.wires[wireSlot]->ends[position];
    end = {anchor.value_or(Point{}).x, anchor.value_or(Point{}).y, kind, slot, pinNumber};
    Pin* pin = circuit_.pin(kind, slot, pinNumber);
    EXPECT_NE(pin, nullptr);
    if (!pin) return;
    pin->connected = 1;
    pin->linkKind = kLinkWire;
    pin->wireIndex = wireSlot;
    pin->wireEnd = position;
}

int32_t CircuitBuilder::wire(ElementKind fromKind, int32_t fromSlot, int32_t fromPin,
                             ElementKind toKind, int32_t toSlot, int32_t toPin,
                             std::initializer_list<Point> points) {
    const std::optional<int32_t> slot = circuit_.registerWire();
    EXPECT_TRUE(slot.has_value());
    CWire& w = *circuit_.wires[*slot];
    w.ends.resize(2);
    linkEnd(*slot, 0, fromKind, fromSlot, fromPin);
    linkEnd(*slot, 1, toKind, toSlot, toPin);
    if (points.size() == 0) {
        w.points = {w.ends[0].position(), w.ends[1].position()};
    } else {
        w.points.assign(points.begin(), points.end());
    }
    return *slot;
}

int32_t CircuitBuilder::stub(ElementKind kind, int32_t slot, int32_t pinNumber, Point freeEnd) {
    const std::optional<int32_t> wireSlot = circuit_.registerWire();
    EXPECT_TRUE(wireSlot.has_value());
    CWire& w = *circuit_.wires[*wireSlot];
    w.ends.resize(2);
    linkEnd(*wireSlot, 0, kind, slot, pinNumber);
    w.ends[1] = {freeEnd.x, freeEnd.y, kLinkNone, 0, 0};
    w.points = {w.ends[0].position(), freeEnd};
    return *wireSlot;
}

void CircuitBuilder::join(int32_t from, int32_t end, int32_t onto) {
    CWire& source = *circuit_.wires[from];
    CWire& target = *circuit_.wires[onto];
    const auto position = static_cast<int32_t>(target.ends.size());
    WireEnd& own = source.ends[end];
    target.ends.push_back({own.x, own.y, kLinkWire, from, end});
    own.kind = kLinkWire;
    own.index = onto;
    own.slot = position;
}

int32_t CircuitBuilder::bridge(int32_t from, int32_t to) {
    const std::optional<int32_t> wire = circuit_.registerWire();
    EXPECT_TRUE(wire.has_value());
    circuit_.wires[*wire]->ends.resize(2);
    join(*wire, 0, from);
    join(*wire, 1, to);
    return *wire;
}
