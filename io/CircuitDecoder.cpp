#include <algorithm>
#include <memory>

#include "io/ByteOrder.h"
#include "io/CircuitFile.h"
#include "io/LinkRepair.h"
#include "io/RecordLayout.h"

namespace io {
namespace {

enum class Next { Continue, Stop };

// Far outside the 2048-pixel work area, yet small enough that sums and squared
// distances of two coordinates stay inside 32 bits wherever they are drawn or hit.
constexpr int32_t kCoordinateLimit = 10000;

int32_t readCoordinate(ByteReader& in) {
    return std::clamp(in.i32(), -kCoordinateLimit, kCoordinateLimit);
}

// A flag or level stored as anything but 0 reads as 1.
uint8_t readFlag(ByteReader& in) {
    return in.u8() != 0 ? 1 : 0;
}

Pins readPins(ByteReader& in) {
    Pins pins{};
    for (Pin& pin : pins) {
        pin.present = readFlag(in);
        pin.connected = readFlag(in);
        pin.value = readFlag(in);
        in.skip(1);
        pin.linkKind = LinkKind::fromStored(in.i32());
        pin.wireIndex = in.i32();
        pin.wireEnd = in.i32();
    }
    return pins;
}

// index, x, y and the pins close every element record; returns the index. A pin
// its kind (or a gate's input count) does not have stays absent and unlinked
// whatever a damaged record says, as the fresh element laid it out.
template <typename Element>
int32_t readPlacement(ByteReader& in, Element& element) {
    const int32_t index = in.i32();
    element.x = readCoordinate(in);
    element.y = readCoordinate(in);
    const Pins laidOut = element.pins;
    element.pins = readPins(in);
    for (size_t pin = 0; pin < laidOut.size(); ++pin) {
        if (laidOut[pin].present) continue;
        element.pins[pin].present = 0;
        element.pins[pin].connected = 0;
    }
    return index;
}

// A record naming a slot outside its table is dropped; a later record naming an
// occupied slot replaces (and deletes) the earlier one.
template <typename Table, typename Record>
void place(Table& table, int32_t index, std::unique_ptr<Record> record) {
    if (index < 0 || index >= static_cast<int32_t>(table.size())) return;
    record->index = index;
    table[static_cast<size_t>(index)] = std::move(record);
}

Next readGate(ByteReader& in, CCircuit& circuit) {
    if (!in.has(kGateRecordBytes - kTagBytes)) return Next::Stop;
    const bool isConjunction = in.u8() != 0;
    const uint16_t inputCount = in.u16();
    const bool inverted = in.u8() != 0;
    auto gate = std::make_unique<CLogicElement>(isConjunction, inputCount, inverted);
    const int32_t index = readPlacement(in, *gate);
    if (gateLayout(inputCount)) place(circuit.logicElements, index, std::move(gate));
    return Next::Continue;
}

// An element of the logic-element table without parameters (an indicator).
Next readPlainLogic(ByteReader& in, CCircuit& circuit, ElementKind kind) {
    if (!in.has(kPlainRecordBytes - kTagBytes)) return Next::Stop;
    auto element = std::make_unique<CLogicElement>(kind);
    const int32_t index = readPlacement(in, *element);
    place(circuit.logicElements, index, std::move(element));
    return Next::Continue;
}

Next readBlock(ByteReader& in, CCircuit& circuit, ElementKind kind) {
    const FileRecord record = kindInfo(kind).fileRecord;
    if (!in.has(recordBytes(record) - kTagBytes)) return Next::Stop;
    auto element = std::make_unique<CBlockElement>(kind);
    if (record == FileRecord::Generator) {
        // Taken as stored: the fitting of setupGenerator is not applied again.
        element->pulseTicks = in.u32();
        element->delayTicks = in.u32();
        element->periodTicks = in.u32();
    }
    const int32_t index = readPlacement(in, *element);
    place(circuit.blockElements, index, std::move(element));
    return Next::Continue;
}

WireEnd readWireEnd(ByteReader& in) {
    WireEnd end;
    end.x = readCoordinate(in);
    end.y = readCoordinate(in);
    end.kind = LinkKind::fromStored(in.i32());
    end.index = in.i32();
    end.slot = in.i32();
    return end;
}

Next readWire(ByteReader& in, CCircuit& circuit) {
    if (!in.has(8)) return Next::Stop;
    const int32_t index = in.i32();
    const int32_t pointCount = in.i32();
    const uint64_t pointBytes = static_cast<uint64_t>(pointCount) * kPointBytes;
    if (pointCount < 0 || !in.has(pointBytes + 4)) return Next::Stop;
    // Both counts are checked against the rest of the file before anything is allocated.
    ByteReader ahead = in;
    ahead.skip(static_cast<size_t>(pointBytes));
    const uint32_t endCount = ahead.u32();
    if (!ahead.has(static_cast<uint64_t>(endCount) * kWireEndBytes)) return Next::Stop;

    auto wire = std::make_unique<CWire>();
    wire->points.resize(static_cast<size_t>(pointCount));
    for (Point& point : wire->points) {
        point.x = readCoordinate(in);
        point.y = readCoordinate(in);
    }
    in.skip(4);
    wire->ends.resize(endCount);
    for (WireEnd& end : wire->ends) end = readWireEnd(in);
    place(circuit.wires, index, std::move(wire));
    return Next::Continue;
}

Next readRecord(int32_t tag, ByteReader& in, CCircuit& circuit) {
    if (tag == kWireTag) return readWire(in, circuit);
    const std::optional<ElementKind> kind = elementKindOf(tag);
    if (!kind) return Next::Continue;  // a stray tag costs its 4 bytes
    if (kindInfo(*kind).fileRecord == FileRecord::Gate) return readGate(in, circuit);
    if (isLogicTableKind(*kind)) return readPlainLogic(in, circuit, *kind);
    return readBlock(in, circuit, *kind);
}

}  // namespace

void decodeCircuit(std::span<const uint8_t> bytes, CCircuit& circuit) {
    ByteReader in(bytes);
    while (in.has(kTagBytes)) {
        const int32_t tag = in.i32();
        if (readRecord(tag, in, circuit) == Next::Stop) break;
    }
    repairLinks(circuit);
}

}  // namespace io
