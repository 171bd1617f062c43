#include "io/Recovery.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "io/CircuitFile.h"

namespace io {

namespace {
constexpr mode_t kNewFileMode = 0644;

// Closes the descriptor on every path out of a function.
class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

  private:
    int fd_;
};
}  // namespace

bool restoreRecovery(CCircuit& circuit) {
    // Read and write access, as for writing: a file that cannot be written turns
    // autosave off instead of failing every 15 seconds.
    const FileDescriptor file(
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
    const FileDescriptor file(
        ::open(kRecoveryFileName, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kNewFileMode));
    return file.isOpen();
}

}  // namespace io
