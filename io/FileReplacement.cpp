#include "io/FileReplacement.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "io/FileBytes.h"
#include "io/FileTarget.h"
#include "io/Temporaries.h"

namespace io {
namespace {

// Only root may give a file away, anyone may pass it to a group he belongs to;
// where neither works the new file stays the writer's, as any new file would.
// Owner first: changing it may clear the set-id bits that the mode then restores.
void takeOverOwnerAndMode(int fd, const struct stat& replaced) {
    [[maybe_unused]] const bool ownerKept =
        ::fchown(fd, replaced.st_uid, replaced.st_gid) == 0 ||
        ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid) == 0;
    ::fchmod(fd, replaced.st_mode & 07777);
}

// Makes the rename itself survive a crash; the file is complete either way.
void syncFolderOf(const std::string& path) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    const CFileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (handle.isOpen()) ::fsync(handle.get());
}

}  // namespace

CFileReplacement::~CFileReplacement() {
    abandon();
}

ReplacementStart CFileReplacement::begin(const std::string& path) {
    const std::optional<std::string> target = followLinks(path);
    if (!target) return ReplacementStart::Refused;
    target_ = *target;
    if (!userMayWrite(target_)) {
        errno = EACCES;
        return ReplacementStart::Refused;
    }
    removeAbandonedTemporaries(target_);
    struct stat replaced {};
    const bool exists = ::stat(target_.c_str(), &replaced) == 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name = temporaryName(target_, attempt);
        file_ = CFileDescriptor(
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode));
        if (file_.isOpen()) {
            temporary_ = std::move(name);
            if (exists) takeOverOwnerAndMode(file_.get(), replaced);
            return ReplacementStart::Started;
        }
        if (errno != EEXIST) break;
    }
    return ReplacementStart::NoTemporary;
}

bool CFileReplacement::append(std::span<const uint8_t> bytes) {
    written_ = written_ && file_.isOpen() && writeFileBytes(file_.get(), bytes);
    return written_;
}

bool CFileReplacement::commit() {
    bool complete = written_ && file_.isOpen() && ::fsync(file_.get()) == 0;
    complete = file_.close() && complete;
    if (!complete || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        abandon();
        return false;
    }
    temporary_.clear();
    syncFolderOf(target_);
    return true;
}

// Removes an unfinished temporary file, keeping the errno of what went wrong.
void CFileReplacement::abandon() {
    if (temporary_.empty()) return;
    const int error = errno;
    file_.close();
    ::unlink(temporary_.c_str());
    temporary_.clear();
    errno = error;
}

bool replaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    CFileReplacement replacement;
    return replacement.begin(path) == ReplacementStart::Started && replacement.append(bytes) &&
           replacement.commit();
}

}  // namespace io
