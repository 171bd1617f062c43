#include "web/PngEncoder.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace web {
namespace {

constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kNoFilter = 0;
// A stored deflate block holds at most this many bytes.
constexpr size_t kLargestStoredBlock = 65535;
// Deflate with a 32K window, no preset dictionary; the check bits make the header a
// multiple of 31.
constexpr std::array<uint8_t, 2> kZlibHeader{0x78, 0x01};

// The CRC-32 of PNG chunks and zip files (reflected polynomial 0xEDB88320).
class Crc32 {
  public:
    Crc32() {
        for (uint32_t n = 0; n < table_.size(); ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table_[n] = c;
        }
    }
    uint32_t of(std::vector<uint8_t>::const_iterator begin,
                std::vector<uint8_t>::const_iterator end) const {
        uint32_t c = 0xFFFFFFFFu;
        for (auto it = begin; it != end; ++it) c = table_[(c ^ *it) & 0xFF] ^ (c >> 8);
        return c ^ 0xFFFFFFFFu;
    }

  private:
    std::array<uint32_t, 256> table_{};
};

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

void putBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void putLittleEndian16(std::vector<uint8_t>& out, size_t value) {
    out.push_back(static_cast<uint8_t>(value & 0xFF));
    out.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
}

// The data as a zlib stream of stored blocks, the last one marked final.
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
    putBigEndian(out, adler32(data));
    return out;
}

void putChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    static const Crc32 crc;
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc.of(out.begin() + static_cast<std::ptrdiff_t>(typeStart), out.end()));
}

// Each row starts with its filter type: none.
std::vector<uint8_t> filteredRows(const Picture& picture) {
    const std::vector<uint8_t> rgb = rgbBytes(picture);
    const size_t rowBytes = static_cast<size_t>(picture.width) * 3;
    std::vector<uint8_t> rows;
    rows.reserve(rgb.size() + static_cast<size_t>(picture.height));
    for (size_t start = 0; start < rgb.size(); start += rowBytes) {
        rows.push_back(kNoFilter);
        rows.insert(rows.end(), rgb.begin() + static_cast<std::ptrdiff_t>(start),
                    rgb.begin() + static_cast<std::ptrdiff_t>(start + rowBytes));
    }
    return rows;
}

}  // namespace

std::vector<uint8_t> rgbBytes(const Picture& picture) {
    std::vector<uint8_t> rgb;
    rgb.reserve(picture.pixels.size() * 3);
    for (const uint32_t word : picture.pixels) {
        rgb.push_back(static_cast<uint8_t>(word & 0xFF));
        rgb.push_back(static_cast<uint8_t>((word >> 8) & 0xFF));
        rgb.push_back(static_cast<uint8_t>((word >> 16) & 0xFF));
    }
    return rgb;
}

std::vector<uint8_t> encodePng(const Picture& picture) {
    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(picture.width));
    putBigEndian(header, static_cast<uint32_t>(picture.height));
    // Depth, colour type, deflate compression, adaptive filtering, no interlace.
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

    std::vector<uint8_t> out(kSignature.begin(), kSignature.end());
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", storedZlib(filteredRows(picture)));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace web
