#include "io/Recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "io/CircuitFile.h"
#include "io/FileDescriptor.h"
#include "io/FileReplacement.h"
#include "io/FileTarget.h"
#include "io/InPlaceRewrite.h"
#include "io/Temporaries.h"

namespace io {

namespace {

// Replaced whole where a temporary file can be made beside the recovery file (or
// its link's target); where its folder refuses one, rewritten in place when the
// new content surely fits, so that a recovery file the user may write is not left
// with an old circuit, nor with a torn one when the disk is full.
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
    removeAbandonedTemporaries(kRecoveryFileName, AbandonedTemporaries::Every);
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

bool namesRecoveryFile(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (fs::equivalent(path, kRecoveryFileName, error)) return true;
    const fs::path typed = fs::weakly_canonical(path, error);
    if (error) return false;
    const fs::path recovery = fs::weakly_canonical(kRecoveryFileName, error);
    return !error && typed == recovery;
}

bool emptyRecovery() {
    return writeRecoveryBytes({});
}

}  // namespace io
