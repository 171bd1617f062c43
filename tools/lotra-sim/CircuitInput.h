#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lotrasim {

// Why a file could not be read: whether it failed to open or while reading, and
// errno's value.
struct ReadFailure {
    bool opening = true;
    int error = 0;
};

// The whole file into `bytes`, or why not. A regular file that yields fewer bytes
// than it held when opened (it shrank while read) fails as a read error.
std::optional<ReadFailure> readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// The same, with the reason as one line on `err` when it fails.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err);

}  // namespace lotrasim
