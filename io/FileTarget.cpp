#include "io/FileTarget.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <vector>

namespace io {
namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

bool isMemberOf(gid_t group) {
    if (::getegid() == group) return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    const int got = ::getgroups(count, groups.data());
    return got > 0 && std::find(groups.begin(), groups.begin() + got, group) != groups.end();
}

}  // namespace

std::optional<std::string> followLinks(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current = path;
    for (int link = 0; link < kMaxLinks; ++link) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error))) return current.string();
        const fs::path target = fs::read_symlink(current, error);
        if (error) return current.string();  // gone meanwhile: what follows reports it
        // An absolute target replaces the folder; a relative one is taken inside it.
        current = current.parent_path() / target;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool userMayWrite(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) return errno == ENOENT;
    mode_t writeBit = S_IWOTH;
    if (status.st_uid == ::geteuid()) {
        writeBit = S_IWUSR;
    } else if (isMemberOf(status.st_gid)) {
        writeBit = S_IWGRP;
    }
    // The system's own check adds what the bits do not show: access lists and
    // read-only mounts.
    return (status.st_mode & writeBit) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

}  // namespace io
