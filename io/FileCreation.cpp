#include "io/FileCreation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "io/FileBytes.h"

namespace io {

NewFileResult createNewFile(const std::string& path) {
    const CFileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    if (!file.isOpen())
        return errno == EEXIST ? NewFileResult::AlreadyExists : NewFileResult::Failed;
    return NewFileResult::Created;
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
