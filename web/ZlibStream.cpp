#include "web/ZlibStream.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace web {
namespace {

// A stored deflate block holds at most this many bytes.
constexpr size_t kLargestStoredBlock = 65535;
// Deflate with a 32K window, no preset dictionary; the check bits make the header a
// multiple of 31.
constexpr std::array<uint8_t, 2> kZlibHeader{0x78, 0x01};

uint32_t adler32(const std::vector<uint8_t>& bytes) {
    // The largest run of additions that cannot overflow 32 bits before the modulo.
    constexpr size_t kRun = 5552;
    constexpr uint32_t kModulus = 65521;
    uint32_t a = 1, b = 0;
    for (size_t start = 0; start < bytes.size(); start += kRun) {
        const size_t end = std::min(bytes.size(), start + kRun);
        for (size_t i = start; i < end; ++i) {
            a += bytes[i];
            b += a;
        }
        a %= kModulus;
        b %= kModulus;
    }
    return b << 16 | a;
}

void putLittleEndian16(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

}  // namespace

std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& data) {
    std::vector<uint8_t> out(kZlibHeader.begin(), kZlibHeader.end());
    out.reserve(data.size() + data.size() / kLargestStoredBlock * 5 + 16);
    size_t start = 0;
    do {
        const size_t length = std::min(kLargestStoredBlock, data.size() - start);
        const bool last = start + length == data.size();
        out.push_back(last ? 1 : 0);  // BFINAL, and BTYPE 00: stored
        putLittleEndian16(out, length);
        putLittleEndian16(out, ~length & 0xFFFF);
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(start),
                   data.begin() + static_cast<std::ptrdiff_t>(start + length));
        start += length;
    } while (start < data.size());
    const uint32_t check = adler32(data);
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(check >> shift));
    return out;
}

}  // namespace web
