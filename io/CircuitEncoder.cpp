#include "io/ByteOrder.h"
#include "io/CircuitFile.h"
#include "io/RecordLayout.h"

namespace io {
namespace {

void writePins(ByteWriter& out, const Pins& pins) {
    for (const Pin& pin : pins) {
        out.u8(pin.present);
        out.u8(pin.connected);
        out.u8(pin.value);
        out.u8(0);  // padding inside the pin slot
        out.i32(pin.linkKind.storedNumber());
        out.i32(pin.wireIndex);
        out.i32(pin.wireEnd);
    }
}

// index, x, y and the pins close every element record.
template <typename Element>
void writePlacement(ByteWriter& out, const Element& element) {
    out.i32(element.index);
    out.i32(element.x);
    out.i32(element.y);
    writePins(out, element.pins);
}

void writeLogicElement(ByteWriter& out, const CLogicElement& element) {
    out.i32(storedNumber(element.kind));
    if (kindInfo(element.kind).fileRecord == FileRecord::Gate) {
        out.u8(element.isConjunction);
        out.u16(element.inputCount);
        out.u8(element.inverted);
    }
    writePlacement(out, element);
}

void writeBlockElement(ByteWriter& out, const CBlockElement& element) {
    out.i32(storedNumber(element.kind));
    if (kindInfo(element.kind).fileRecord == FileRecord::Generator) {
        out.u32(element.pulseTicks);
        out.u32(element.delayTicks);
        out.u32(element.periodTicks);
    }
    writePlacement(out, element);
}

void writeWire(ByteWriter& out, const CWire& wire) {
    out.i32(kWireTag);
    out.i32(wire.index);
    out.i32(static_cast<int32_t>(wire.pointCount()));
    for (const Point& point : wire.points) {
        out.i32(point.x);
        out.i32(point.y);
    }
    out.u32(wire.endCount());
    for (const WireEnd& end : wire.ends) {
        out.i32(end.x);
        out.i32(end.y);
        out.i32(end.kind.storedNumber());
        out.i32(end.index);
        out.i32(end.slot);
    }
}

// The size of every record, so that the bytes are allocated once.
size_t encodedSize(const CCircuit& circuit) {
    size_t size = 0;
    for (const auto& element : circuit.logicElements)
        if (element) size += recordBytes(kindInfo(element->kind).fileRecord);
    for (const auto& element : circuit.blockElements)
        if (element) size += recordBytes(kindInfo(element->kind).fileRecord);
    for (const auto& wire : circuit.wires)
        if (wire)
            size += kWireFixedBytes + size_t{kPointBytes} * wire->pointCount() +
                    size_t{kWireEndBytes} * wire->endCount();
    return size;
}

}  // namespace

std::vector<uint8_t> encodeCircuit(const CCircuit& circuit) {
    std::vector<uint8_t> bytes(encodedSize(circuit));
    ByteWriter out(bytes);
    for (const auto& element : circuit.logicElements)
        if (element) writeLogicElement(out, *element);
    for (const auto& element : circuit.blockElements)
        if (element) writeBlockElement(out, *element);
    for (const auto& wire : circuit.wires)
        if (wire) writeWire(out, *wire);
    bytes.resize(out.written());
    return bytes;
}

}  // namespace io
