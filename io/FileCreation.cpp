#include "io/FileCreation.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace io {

NewFileResult createNewFile(const std::string& path) {
    const CFileDescriptor file(
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
    if (!file.isOpen())
        return errno == EEXIST ? NewFileResult::AlreadyExists : NewFileResult::Failed;
    return NewFileResult::Created;
}

CFileDescriptor openExistingFile(const std::string& path) {
    CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat status {};
    if (!file.isOpen() || ::fstat(file.get(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    return file;
}

}  // namespace io
