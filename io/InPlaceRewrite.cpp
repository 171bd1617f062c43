#include "io/InPlaceRewrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "io/FileBytes.h"
#include "io/FileDescriptor.h"

namespace io {
namespace {

// Where space cannot be reserved, the free blocks must hold the growth with a
// block to spare for the file system's own bookkeeping.
bool freeSpaceCovers(int fd, const struct stat& status, off_t size) {
    struct statvfs volume {};
    if (::fstatvfs(fd, &volume) != 0) return false;
    const auto blockSize = static_cast<off_t>(volume.f_frsize > 0 ? volume.f_frsize : 512);
    const off_t held = static_cast<off_t>(status.st_blocks) * 512;
    const off_t needed = size - held + 2 * blockSize;
    if (needed <= 0) return true;
    const auto available = static_cast<unsigned long long>(volume.f_bavail) *
                           static_cast<unsigned long long>(blockSize);
    if (available >= static_cast<unsigned long long>(needed)) return true;
    errno = ENOSPC;
    return false;
}

// Claims the blocks the file needs to hold `size` bytes, leaving its length and
// content as they are. Overwriting blocks it already has needs nothing new.
bool reserveSpace(int fd, off_t size) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) return false;
    if (size <= status.st_size) return true;
#ifdef __linux__
    if (::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, size) == 0) return true;
    if (errno != EOPNOTSUPP && errno != ENOSYS) return false;
#endif
    return freeSpaceCovers(fd, status, size);
}

}  // namespace

bool rewriteInPlace(const std::string& path, std::span<const uint8_t> bytes) {
    CFileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, kNewFileMode));
    if (!file.isOpen()) return false;
    const auto size = static_cast<off_t>(bytes.size());
    const bool written = reserveSpace(file.get(), size) && writeFileBytes(file.get(), bytes) &&
                         ::ftruncate(file.get(), size) == 0 && ::fsync(file.get()) == 0;
    return file.close() && written;
}

}  // namespace io
