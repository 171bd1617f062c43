#include "io/Recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/CircuitFile.h"
#include "io/FileBytes.h"
#include "io/FileDescriptor.h"
#include "io/FileReplacement.h"
#include "io/FileTarget.h"
#include "io/Temporaries.h"

namespace io {

namespace {

// What a plain write does: the file emptied and written where it is. A crash
// meanwhile can leave it short, which still beats a file that never changes.
bool rewriteInPlace(const std::string& target, std::span<const uint8_t> bytes) {
    CFileDescriptor file(
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
    const bool written =
        file.isOpen() && writeFileBytes(file.get(), bytes) && ::fsync(file.get()) == 0;
    return file.close() && written;
}

// Replaced whole where a temporary file can be made beside the recovery file (or
// its link's target); where its folder refuses one, rewritten in place, so that a
// recovery file the user may write is never left with an old circuit.
bool writeRecoveryBytes(std::span<const uint8_t> bytes) {
    CFileReplacement replacement;
    switch (replacement.begin(kRecoveryFileName)) {
        case ReplacementStart::Started:
            return replacement.append(bytes) && replacement.commit();
        case ReplacementStart::NoTemporary:
            return rewriteInPlace(replacement.target(), bytes);
        case ReplacementStart::Refused:
            break;
    }
    return false;
}

}  // namespace

bool restoreRecovery(CCircuit& circuit) {
    // Crashes during autosaves must not litter the folder with temporary files.
    removeAbandonedTemporaries(kRecoveryFileName);
    // A file that cannot be written turns autosave off instead of failing every 15
    // seconds; so does one the user protected, also when he runs as root.
    if (!userMayWrite(kRecoveryFileName)) return false;
    const CFileDescriptor file(
        ::open(kRecoveryFileName, O_RDWR | O_CREAT | O_CLOEXEC, kNewFileMode));
    if (!file.isOpen()) return false;
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && status.st_size > 0) readCircuit(file.get(), circuit);
    return true;
}

bool writeRecovery(const CCircuit& circuit) {
    return writeRecoveryBytes(encodeCircuit(circuit));
}

bool emptyRecovery() {
    return writeRecoveryBytes({});
}

}  // namespace io
