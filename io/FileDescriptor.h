#pragma once
#include <sys/types.h>
#include <unistd.h>

#include <utility>

namespace io {

// Every file the program creates: read and write for everyone the umask allows.
constexpr mode_t kNewFileMode = 0666;

// Owns an open file descriptor and closes it on every path out of its scope. A
// caller that must know whether the close itself succeeded (a write that is only
// complete once closed) asks close().
class CFileDescriptor {
  public:
    CFileDescriptor() = default;
    explicit CFileDescriptor(int fd) : fd_(fd) {}
    ~CFileDescriptor() { close(); }
    CFileDescriptor(CFileDescriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    CFileDescriptor& operator=(CFileDescriptor&& other) noexcept {
        if (this != &other) {
            close();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;

    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // Closes now; true when there was a descriptor and closing it succeeded.
    bool close() {
        if (fd_ < 0) return false;
        return ::close(std::exchange(fd_, -1)) == 0;
    }

  private:
    int fd_ = -1;
};

}  // namespace io
