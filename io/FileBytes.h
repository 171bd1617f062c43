#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace io {

// No circuit file comes near this; a larger file (or an endless device) is read
// only this far.
constexpr size_t kMaxCircuitFileBytes = size_t{256} << 20;

// Reads the descriptor to its end into `bytes`. False on a read error or when the
// file is larger than kMaxCircuitFileBytes (errno tells which); `bytes` then holds
// what was read before.
bool readFileBytes(int fd, std::vector<uint8_t>& bytes);
// Writes every byte, resuming after short writes and interruptions; false on any error.
bool writeFileBytes(int fd, std::span<const uint8_t> bytes);

}  // namespace io
