#include "io/CircuitFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "io/FileBytes.h"

namespace io {
namespace {

// A new file beside the target, created with the default permissions (umask
// applies) or, when the target exists, with the target's own.
std::optional<std::string> createTemporaryBeside(const std::string& path, int& fd) {
    struct stat target {};
    const bool targetExists = ::stat(path.c_str(), &target) == 0;
    const mode_t mode = targetExists ? (target.st_mode & 07777) : 0666;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            if (targetExists) ::fchmod(fd, mode);
            return name;
        }
        if (errno != EEXIST) break;
    }
    return std::nullopt;
}

// Makes the rename itself survive a crash; the file is complete either way.
void syncDirectoryOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const std::string directory = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool writeCircuit(const CCircuit& circuit, int fd) {
    return writeFileBytes(fd, encodeCircuit(circuit));
}

void readCircuit(int fd, CCircuit& circuit) {
    std::vector<uint8_t> bytes;
    readFileBytes(fd, bytes);  // a read error ends the file where it happened
    decodeCircuit(bytes, circuit);
}

bool writeCircuitFile(const std::string& path, const CCircuit& circuit) {
    int fd = -1;
    const std::optional<std::string> temporary = createTemporaryBeside(path, fd);
    if (!temporary) return false;
    bool complete = writeCircuit(circuit, fd) && ::fsync(fd) == 0;
    complete = ::close(fd) == 0 && complete;
    if (complete && ::rename(temporary->c_str(), path.c_str()) == 0) {
        syncDirectoryOf(path);
        return true;
    }
    ::unlink(temporary->c_str());
    return false;
}

}  // namespace io
