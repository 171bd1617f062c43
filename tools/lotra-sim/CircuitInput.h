#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace lotrasim {

// Why a file could not be read: whether it failed to open or while reading, and
// errno's value (EISDIR for a folder, ENXIO for a pipe, a device or a socket).
struct ReadFailure {
    bool opening = true;
    int error = 0;
};

// The whole file into `bytes`, or why not. Only a regular file is read, and
// opening never waits (on a named pipe nobody writes). A file that yields fewer
// bytes than it held when opened (it shrank while read) fails as a read error.
std::optional<ReadFailure> readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
// The same, with the reason as one line on `err` when it fails.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err);

}  // namespace lotrasim
