#pragma once
#include <cstdint>
#include <span>
#include <string>

namespace io {

// Rewrites a file where it stands, for a folder where no temporary file can be
// made beside it. The space for the whole new content is claimed before a byte of
// the old one changes: where it cannot be had (or, on a file system that cannot
// reserve it, free space does not plainly cover it) the file keeps its old
// content untouched and the answer is false. Only a crash in the middle of the
// write itself can still leave the file mixed.
bool rewriteInPlace(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace io
