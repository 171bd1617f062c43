#include "web/PngEncoder.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace web {
namespace {

constexpr std::array<uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kColourTypeRgb = 2;
// Bytes a pixel: the filters predict each byte from the one a pixel to the left.
constexpr size_t kPixelBytes = 3;
// The row filters: none, left, above, their average, and the Paeth predictor.
constexpr uint8_t kFilterCount = 5;

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

void putBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

// Of left, above and upper left, the one closest to left + above - upper left.
int paeth(int left, int above, int upperLeft) {
    const int estimate = left + above - upperLeft;
    const int toLeft = std::abs(estimate - left), toAbove = std::abs(estimate - above),
              toUpperLeft = std::abs(estimate - upperLeft);
    if (toLeft <= toAbove && toLeft <= toUpperLeft) return left;
    return toAbove <= toUpperLeft ? above : upperLeft;
}

// What filter `type` predicts a byte to be from the bytes to its left and above.
int prediction(uint8_t type, int left, int up, int upperLeft) {
    switch (type) {
        case 1:
            return left;
        case 2:
            return up;
        case 3:
            return (left + up) / 2;
        case 4:
            return paeth(left, up, upperLeft);
        default:
            return 0;
    }
}

// The row as filter `type` writes it: each byte less its prediction (zeros stand
// outside the picture).
void filterRow(uint8_t type, const uint8_t* row, const uint8_t* above, size_t length,
               uint8_t* out) {
    for (size_t i = 0; i < length; ++i) {
        const int left = i >= kPixelBytes ? row[i - kPixelBytes] : 0;
        const int up = above ? above[i] : 0;
        const int upperLeft = above && i >= kPixelBytes ? above[i - kPixelBytes] : 0;
        out[i] = static_cast<uint8_t>(row[i] - prediction(type, left, up, upperLeft));
    }
}

// How well a filtered row compresses, by the usual measure: the sum of its bytes
// taken as signed, the smaller the better.
size_t cost(const std::vector<uint8_t>& filtered) {
    size_t sum = 0;
    for (const uint8_t byte : filtered) sum += byte < 128 ? byte : 256u - byte;
    return sum;
}

void putChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    static const Crc32 crc;
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc.of(out.begin() + static_cast<std::ptrdiff_t>(typeStart), out.end()));
}

// Each row starts with the type of the filter that gives it the smallest cost.
std::vector<uint8_t> filteredRows(const Picture& picture) {
    const std::vector<uint8_t> rgb = rgbBytes(picture);
    const size_t rowBytes = static_cast<size_t>(picture.width) * kPixelBytes;
    std::vector<uint8_t> rows, candidate(rowBytes), best(rowBytes);
    rows.reserve(rgb.size() + static_cast<size_t>(picture.height));
    for (size_t start = 0; start < rgb.size(); start += rowBytes) {
        const uint8_t* row = rgb.data() + start;
        const uint8_t* above = start == 0 ? nullptr : row - rowBytes;
        uint8_t bestType = 0;
        size_t bestCost = SIZE_MAX;
        for (uint8_t type = 0; type < kFilterCount; ++type) {
            filterRow(type, row, above, rowBytes, candidate.data());
            const size_t candidateCost = cost(candidate);
            if (candidateCost < bestCost) {
                bestCost = candidateCost;
                bestType = type;
                best.swap(candidate);
            }
        }
        rows.push_back(bestType);
        rows.insert(rows.end(), best.begin(), best.end());
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

std::vector<uint8_t> encodePng(const Picture& picture, const ZlibCompressor& compress) {
    std::vector<uint8_t> header;
    putBigEndian(header, static_cast<uint32_t>(picture.width));
    putBigEndian(header, static_cast<uint32_t>(picture.height));
    // Depth, colour type, deflate compression, adaptive filtering, no interlace.
    header.insert(header.end(), {kBitDepth, kColourTypeRgb, 0, 0, 0});

    std::vector<uint8_t> out(kSignature.begin(), kSignature.end());
    putChunk(out, "IHDR", header);
    putChunk(out, "IDAT", compress(filteredRows(picture)));
    putChunk(out, "IEND", {});
    return out;
}

}  // namespace web
