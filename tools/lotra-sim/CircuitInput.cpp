#include "tools/lotra-sim/CircuitInput.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "io/FileBytes.h"
#include "io/FileDescriptor.h"

namespace lotrasim {

std::optional<ReadFailure> readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    const io::CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen()) return ReadFailure{true, errno};
    if (!io::readFileBytes(file.get(), bytes)) return ReadFailure{false, errno};
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
