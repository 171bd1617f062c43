#include "HandmadeFile.h"

HandmadeFile& HandmadeFile::u8(uint8_t v) {
    bytes.push_back(v);
    return *this;
}
HandmadeFile& HandmadeFile::u16(uint16_t v) {
    return u8(static_cast<uint8_t>(v)).u8(static_cast<uint8_t>(v >> 8));
}
HandmadeFile& HandmadeFile::u32(uint32_t v) {
    return u16(static_cast<uint16_t>(v)).u16(static_cast<uint16_t>(v >> 16));
}
HandmadeFile& HandmadeFile::i32(int32_t v) {
    return u32(static_cast<uint32_t>(v));
}

HandmadeFile& HandmadeFile::pins(const Pins& pins, uint8_t padding) {
    for (const Pin& pin : pins) {
        u8(pin.present).u8(pin.connected).u8(pin.value).u8(padding);
        i32(pin.linkKind.storedNumber()).i32(pin.wireIndex).i32(pin.wireEnd);
    }
    return *this;
}

HandmadeFile& HandmadeFile::gate(int32_t index, Point at, uint16_t inputCount, const Pins& p,
                                 uint8_t isConjunction, uint8_t inverted) {
    i32(1).u8(isConjunction).u16(inputCount).u8(inverted);
    return i32(index).i32(at.x).i32(at.y).pins(p);
}

HandmadeFile& HandmadeFile::element(int32_t tag, int32_t index, Point at, const Pins& p) {
    return i32(tag).i32(index).i32(at.x).i32(at.y).pins(p);
}

HandmadeFile& HandmadeFile::generator(int32_t index, Point at, uint32_t pulse, uint32_t delay,
                                      uint32_t period, const Pins& p) {
    i32(6).u32(pulse).u32(delay).u32(period);
    return i32(index).i32(at.x).i32(at.y).pins(p);
}

HandmadeFile& HandmadeFile::wireEnd(const WireEnd& end) {
    return i32(end.x).i32(end.y).i32(end.kind.storedNumber()).i32(end.index).i32(end.slot);
}

HandmadeFile& HandmadeFile::wire(int32_t index, std::initializer_list<Point> points,
                                 std::initializer_list<WireEnd> ends) {
    i32(7).i32(index).i32(static_cast<int32_t>(points.size()));
    for (const Point& point : points) i32(point.x).i32(point.y);
    u32(static_cast<uint32_t>(ends.size()));
    for (const WireEnd& end : ends) wireEnd(end);
    return *this;
}

Pins pinsPresent(std::initializer_list<int> present) {
    Pins pins{};
    for (Pin& pin : pins) pin.present = 0;
    for (int p : present) pins[p].present = 1;
    return pins;
}

Pins withLink(Pins pins, int pin, int32_t wireIndex, int32_t wireEnd) {
    pins[pin].connected = 1;
    pins[pin].linkKind = kLinkWire;
    pins[pin].wireIndex = wireIndex;
    pins[pin].wireEnd = wireEnd;
    return pins;
}
