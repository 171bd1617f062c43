#include "io/CircuitFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "io/FileBytes.h"
#include "io/FileDescriptor.h"

namespace io {
namespace {

// A new file beside the target, created with the default permissions (umask
// applies) or, when the target exists, with the target's own.
std::optional<std::string> createTemporaryBeside(const std::string& path, CFileDescriptor& file) {
    struct stat target {};
    const bool targetExists = ::stat(path.c_str(), &target) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name =
            path + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
        file = CFileDescriptor(
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
        if (file.isOpen()) {
            if (targetExists) ::fchmod(file.get(), target.st_mode & 07777);
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
    const CFileDescriptor folder(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen()) ::fsync(folder.get());
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
    CFileDescriptor file;
    const std::optional<std::string> temporary = createTemporaryBeside(path, file);
    if (!temporary) return false;
    bool complete = writeCircuit(circuit, file.get()) && ::fsync(file.get()) == 0;
    complete = file.close() && complete;
    if (complete && ::rename(temporary->c_str(), path.c_str()) == 0) {
        syncDirectoryOf(path);
        return true;
    }
    ::unlink(temporary->c_str());
    return false;
}

}  // namespace io
