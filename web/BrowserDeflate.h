#pragma once
#include <cstdint>
#include <vector>

namespace web {

// The bytes as a zlib stream made by the browser's own compressor, which the core
// waits for; stored blocks where the browser has none.
std::vector<uint8_t> browserZlib(const std::vector<uint8_t>& data);

}  // namespace web
