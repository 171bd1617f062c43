#pragma once
#include <cstddef>
#include <cstdint>
#include <span>

// Little-endian fields with no padding between them, as the circuit file holds them.
namespace io {

// Writes fields front to back into bytes sized beforehand. A field that does not
// fit is not written, so a wrong size can only cut the bytes short.
class ByteWriter {
  public:
    explicit ByteWriter(std::span<uint8_t> out) : out_(out) {}

    size_t written() const { return pos_; }

    void u8(uint8_t v) {
        if (uint8_t* at = take(1)) at[0] = v;
    }
    // Low byte first; the compiler makes one store of the bytes.
    void u16(uint16_t v) {
        if (uint8_t* at = take(2)) {
            at[0] = static_cast<uint8_t>(v);
            at[1] = static_cast<uint8_t>(v >> 8);
        }
    }
    void u32(uint32_t v) {
        if (uint8_t* at = take(4)) {
            at[0] = static_cast<uint8_t>(v);
            at[1] = static_cast<uint8_t>(v >> 8);
            at[2] = static_cast<uint8_t>(v >> 16);
            at[3] = static_cast<uint8_t>(v >> 24);
        }
    }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }

  private:
    // Where the next `size` bytes go, or nullptr (and nothing more) when they do not fit.
    uint8_t* take(size_t size) {
        if (out_.size() - pos_ < size) {
            pos_ = out_.size();
            return nullptr;
        }
        pos_ += size;
        return out_.data() + pos_ - size;
    }

    std::span<uint8_t> out_;
    size_t pos_ = 0;
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
