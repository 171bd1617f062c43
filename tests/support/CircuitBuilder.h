#pragma once
#include <cstdint>
#include <initializer_list>

#include "model/Circuit.h"

// Builds circuits in the tables for tests: elements in the lowest free slot and
// finished wires whose two ends and pins name each other.
class CircuitBuilder {
  public:
    explicit CircuitBuilder(CCircuit& circuit) : circuit_(circuit) {}

    int32_t gate(bool isConjunction, uint16_t inputs, bool inverted, int32_t x = 0, int32_t y = 0);
    int32_t indicator(int32_t x = 0, int32_t y = 0);
    int32_t block(ElementKind kind, int32_t x = 0, int32_t y = 0);

    // A finished wire from pin `fromPin` of one element to pin `toPin` of another:
    // both ends on their pins' anchors, both pins linked, the polyline given (or
    // the straight line between the anchors when empty). Returns the wire slot.
    int32_t wire(ElementKind fromKind, int32_t fromSlot, int32_t fromPin, ElementKind toKind,
                 int32_t toSlot, int32_t toPin, std::initializer_list<Point> points = {});
    // A wire started on a pin whose end 1 is free at `freeEnd`.
    int32_t stub(ElementKind kind, int32_t slot, int32_t pin, Point freeEnd);
    // Joins end `end` of wire `from` onto wire `onto`, writing the junction pair.
    void join(int32_t from, int32_t end, int32_t onto);
    // A wire lying between two others, both its ends joined onto them.
    int32_t bridge(int32_t from, int32_t to);

  private:
    void linkEnd(int32_t wireSlot, int32_t position, ElementKind kind, int32_t slot, int32_t pin);

    CCircuit& circuit_;
};
