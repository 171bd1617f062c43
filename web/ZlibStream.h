#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace web {

// Turns bytes into a zlib stream (a deflate stream with its header and Adler-32).
using ZlibCompressor = std::function<std::vector<uint8_t>(const std::vector<uint8_t>&)>;

// The bytes as a zlib stream of stored deflate blocks: valid for every reader, but
// no smaller than the bytes. What the pictures use where no compressor is at hand.
std::vector<uint8_t> storedZlib(const std::vector<uint8_t>& data);

}  // namespace web
