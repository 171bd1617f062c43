#include "io/FileCreation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/FileBytes.h"

namespace io {

bool nameExists(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0;
}

ExistingFile openExistingFile(const std::string& path) {
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    return {std::move(file), static_cast<uint64_t>(status.st_size)};
}

bool readWholeFile(const ExistingFile& file, std::vector<uint8_t>& bytes) {
    if (!readFileBytes(file.descriptor.get(), bytes)) return false;
    if (bytes.size() >= file.size) return true;
    errno = EIO;
    return false;
}

}  // namespace io
