#pragma once
#include <cstdint>

#include "model/ElementKinds.h"
#include "model/Pin.h"

// Sizes of the records of the circuit file, tag included.
namespace io {

constexpr int32_t kWireTag = 7;

constexpr uint32_t kTagBytes = 4;
constexpr uint32_t kPinSlotBytes = 16;  // present, connected, value, one padding byte, 3 links
constexpr uint32_t kPinsBytes = kPinCount * kPinSlotBytes;
// tag, isConjunction, inputCount, inverted, index, x, y, pins
constexpr uint32_t kGateRecordBytes = kTagBytes + 4 + 12 + kPinsBytes;
// tag, index, x, y, pins
constexpr uint32_t kPlainRecordBytes = kTagBytes + 12 + kPinsBytes;
// tag, pulse, delay, period, index, x, y, pins
constexpr uint32_t kGeneratorRecordBytes = kTagBytes + 12 + 12 + kPinsBytes;
constexpr uint32_t kPointBytes = 8;
constexpr uint32_t kWireEndBytes = 20;
// tag, index, point count, end count; then the points and the ends
constexpr uint32_t kWireFixedBytes = kTagBytes + 12;

static_assert(kGateRecordBytes == 196 && kPlainRecordBytes == 192 && kGeneratorRecordBytes == 204);

constexpr uint32_t recordBytes(FileRecord record) {
    switch (record) {
        case FileRecord::Gate:
            return kGateRecordBytes;
        case FileRecord::Generator:
            return kGeneratorRecordBytes;
        case FileRecord::Plain:
            break;
    }
    return kPlainRecordBytes;
}

}  // namespace io
