#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace web {

// The bytes in base64 (the standard alphabet, padded with '='), as a data: URI holds them.
std::string base64(const std::vector<uint8_t>& bytes);

}  // namespace web
