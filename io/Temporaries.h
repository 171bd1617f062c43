#pragma once
#include <string>

// A file being replaced gets its new contents in a temporary file beside it,
// "<target>.tmp<pid>-<n>" after the writing process, until they are complete. A
// writer that was killed leaves its temporary behind.
namespace io {

std::string temporaryName(const std::string& target, int attempt);

// Removes the temporaries of the file a name stands for (through its links) whose
// writer is gone; those of running writers and of other names stay.
void removeAbandonedTemporaries(const std::string& path);

}  // namespace io
