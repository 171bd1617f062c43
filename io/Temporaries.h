#pragma once
#include <string>

// A file being replaced gets its new contents in a temporary file beside it,
// "<target>.tmp<pid>-<n>" after the writing process, until they are complete. A
// writer that was killed leaves its temporary behind.
namespace io {

std::string temporaryName(const std::string& target, int attempt);

enum class AbandonedTemporaries {
    // A dead writer's temporary longer than the file may be the only complete copy
    // of what was saved there (the file empty or older): it stays for the user.
    NoLongerThanTarget,
    // The recovery file's: one autosave's worth at most, rewritten within seconds.
    Every,
};

// Removes the temporaries of the file a name stands for (through its links) whose
// writer is gone; those of running writers and of other names stay.
void removeAbandonedTemporaries(
    const std::string& path, AbandonedTemporaries which = AbandonedTemporaries::NoLongerThanTarget);

}  // namespace io
