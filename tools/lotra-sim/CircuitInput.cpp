#include "tools/lotra-sim/CircuitInput.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "io/FileCreation.h"

namespace lotrasim {

std::optional<ReadFailure> readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    // Any file the system opens, a pipe too; a folder fails when read.
    io::ExistingFile file{io::CFileDescriptor(::open(path.c_str(), O_RDONLY | O_CLOEXEC))};
    if (!file.isOpen()) return ReadFailure{true, errno};
    struct stat status {};
    if (::fstat(file.descriptor.get(), &status) == 0 && S_ISREG(status.st_mode))
        file.size = static_cast<uint64_t>(status.st_size);
    if (!io::readWholeFile(file, bytes)) return ReadFailure{false, errno};
    return std::nullopt;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err) {
    const std::optional<ReadFailure> failure = readWholeFile(path, bytes);
    if (failure)
        err << "lotra-sim: cannot " << (failure->opening ? "open" : "read") << " '" << path
            << "': " << std::strerror(failure->error) << '\n';
    return !failure;
}

}  // namespace lotrasim
