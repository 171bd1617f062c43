#include "io/Recovery.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>
#include <string>
#include <string_view>

#include "io/CircuitFile.h"
#include "io/FileDescriptor.h"

namespace io {

namespace {

// A write that was killed leaves its temporary file, named after the recovery file
// and the writer's process id ("default.vrt.tmp<pid>-<n>").
bool isAbandonedTemporary(std::string_view name) {
    const std::string_view prefix = ".tmp";
    const std::string_view target = kRecoveryFileName;
    if (name.substr(0, target.size()) != target) return false;
    name.remove_prefix(target.size());
    if (name.substr(0, prefix.size()) != prefix) return false;
    name.remove_prefix(prefix.size());
    pid_t writer = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), writer);
    if (error != std::errc() || writer <= 0 || end == name.data() + name.size() || *end != '-')
        return false;
    return ::kill(writer, 0) != 0 && errno == ESRCH;
}

// Crashes during autosaves must not litter the folder with temporary files.
void removeAbandonedTemporaries() {
    namespace fs = std::filesystem;
    std::error_code error;
    for (fs::directory_iterator entry(".", error); !error && entry != fs::directory_iterator();
         entry.increment(error)) {
        std::error_code ignored;
        if (isAbandonedTemporary(entry->path().filename().string()))
            fs::remove(entry->path(), ignored);
    }
}
}  // namespace

bool restoreRecovery(CCircuit& circuit) {
    removeAbandonedTemporaries();
    // Read and write access, as for writing: a file that cannot be written turns
    // autosave off instead of failing every 15 seconds.
    const CFileDescriptor file(
        ::open(kRecoveryFileName, O_RDWR | O_CREAT | O_CLOEXEC, kNewFileMode));
    if (!file.isOpen()) return false;
    struct stat status {};
    if (::fstat(file.get(), &status) == 0 && status.st_size > 0) readCircuit(file.get(), circuit);
    return true;
}

bool writeRecovery(const CCircuit& circuit) {
    return writeCircuitFile(kRecoveryFileName, circuit);
}

bool emptyRecovery() {
    const CFileDescriptor file(
        ::open(kRecoveryFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
    return file.isOpen();
}

}  // namespace io
