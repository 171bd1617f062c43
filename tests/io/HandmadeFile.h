#pragma once
#include <cstdint>
#include <initializer_list>
#include <vector>

#include "model/Pin.h"
#include "model/Wire.h"

// Writes circuit-file bytes by hand, field by field, for tests of the reader.
class HandmadeFile {
  public:
    HandmadeFile& u8(uint8_t v);
    HandmadeFile& u16(uint16_t v);
    HandmadeFile& u32(uint32_t v);
    HandmadeFile& i32(int32_t v);

    // Eleven 16-byte pin slots; `padding` goes into the fourth byte of each.
    HandmadeFile& pins(const Pins& pins, uint8_t padding = 0);
    // Whole records, tag included.
    HandmadeFile& gate(int32_t index, Point at, uint16_t inputCount, const Pins& pins,
                       uint8_t isConjunction = 0, uint8_t inverted = 0);
    HandmadeFile& element(int32_t tag, int32_t index, Point at, const Pins& pins);
    HandmadeFile& generator(int32_t index, Point at, uint32_t pulse, uint32_t delay,
                            uint32_t period, const Pins& pins);
    HandmadeFile& wire(int32_t index, std::initializer_list<Point> points,
                       std::initializer_list<WireEnd> ends);
    HandmadeFile& wireEnd(const WireEnd& end);

    std::vector<uint8_t> bytes;
};

// Pins as a kind's constructor leaves them: only the listed pins present.
Pins pinsPresent(std::initializer_list<int> present);
// The same pins with one of them connected to end `wireEnd` of wire `wireIndex`.
Pins withLink(Pins pins, int pin, int32_t wireIndex, int32_t wireEnd);
