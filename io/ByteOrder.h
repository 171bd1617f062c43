#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// Little-endian fields with no padding between them, as the circuit file holds them.
namespace io {

class ByteWriter {
  public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

    void u8(uint8_t v) { out_.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }

  private:
    std::vector<uint8_t>& out_;
};

// Reads fields front to back. Callers check `has` before a record; a read past the
// end yields zeros instead of touching memory outside the bytes.
class ByteReader {
  public:
    explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

    size_t remaining() const { return bytes_.size() - pos_; }
    bool has(uint64_t count) const { return count <= remaining(); }
    void skip(size_t count) { pos_ += count < remaining() ? count : remaining(); }

    uint8_t u8() { return pos_ < bytes_.size() ? bytes_[pos_++] : 0; }
    uint16_t u16() {
        const uint16_t low = u8();
        return static_cast<uint16_t>(low | (u8() << 8));
    }
    uint32_t u32() {
        const uint32_t low = u16();
        return low | (static_cast<uint32_t>(u16()) << 16);
    }
    int32_t i32() { return static_cast<int32_t>(u32()); }

  private:
    std::span<const uint8_t> bytes_;
    size_t pos_ = 0;
};

}  // namespace io
