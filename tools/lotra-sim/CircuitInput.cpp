#include "tools/lotra-sim/CircuitInput.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "io/FileCreation.h"

namespace lotrasim {

std::optional<ReadFailure> readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    io::ExistingFile file{
        io::CFileDescriptor(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC))};
    if (!file.isOpen()) return ReadFailure{true, errno};
    struct stat status {};
    if (::fstat(file.descriptor.get(), &status) != 0) return ReadFailure{true, errno};
    if (S_ISDIR(status.st_mode)) return ReadFailure{true, EISDIR};
    if (!S_ISREG(status.st_mode)) return ReadFailure{true, ENXIO};
    file.size = static_cast<uint64_t>(status.st_size);
    if (!io::readWholeFile(file, bytes)) return ReadFailure{false, errno};
    return std::nullopt;
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err) {
    const std::optional<ReadFailure> failure = readWholeFile(path, bytes);
    if (failure)
        err << "lotra-sim: cannot " << (failure->opening ? "open" : "read") << " '" << path << "': "
            << (failure->error == ENXIO ? "not a regular file" : std::strerror(failure->error))
            << '\n';
    return !failure;
}

}  // namespace lotrasim
