#include "io/FileBytes.h"

#include <unistd.h>

#include <cerrno>

namespace io {

bool readFileBytes(int fd, std::vector<uint8_t>& bytes) {
    constexpr size_t kChunk = size_t{64} * 1024;
    bytes.clear();
    while (bytes.size() < kMaxCircuitFileBytes) {
        const size_t had = bytes.size();
        const size_t want = std::min(kChunk, kMaxCircuitFileBytes - had);
        bytes.resize(had + want);
        const ssize_t got = ::read(fd, bytes.data() + had, want);
        if (got < 0 && errno == EINTR) {
            bytes.resize(had);
            continue;
        }
        bytes.resize(had + static_cast<size_t>(got > 0 ? got : 0));
        if (got < 0) return false;
        if (got == 0) return true;
    }
    // Full: one more byte tells a file of exactly the limit from a larger one.
    uint8_t probe = 0;
    ssize_t got = 0;
    while ((got = ::read(fd, &probe, 1)) < 0 && errno == EINTR) {
    }
    if (got == 0) return true;
    if (got > 0) errno = EFBIG;
    return false;
}

bool writeFileBytes(int fd, std::span<const uint8_t> bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) return false;
        done += static_cast<size_t>(put);
    }
    return true;
}

}  // namespace io
