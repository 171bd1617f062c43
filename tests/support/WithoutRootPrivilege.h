#pragma once
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

// Root ignores permission bits, so while in scope a root process takes the
// identity of "nobody" and the bits of files and folders apply to it. The folder
// given (the test's own) is opened to everyone first, so that "nobody" reaches it.
class WithoutRootPrivilege {
  public:
    explicit WithoutRootPrivilege(const std::filesystem::path& reachable = ".") {
        ::chmod(reachable.c_str(), 0755);
        if (::geteuid() == 0 && ::seteuid(kNobody) == 0) dropped_ = true;
    }
    ~WithoutRootPrivilege() {
        if (dropped_) static_cast<void>(::seteuid(0));
    }
    WithoutRootPrivilege(const WithoutRootPrivilege&) = delete;
    WithoutRootPrivilege& operator=(const WithoutRootPrivilege&) = delete;

  private:
    static constexpr uid_t kNobody = 65534;
    bool dropped_ = false;
};

// Whether this process may create a file in the folder now: some tests mean
// nothing to a process that may write anywhere.
inline bool canCreateFileIn(const std::filesystem::path& folder) {
    const std::filesystem::path probe = folder / "probe";
    std::ofstream out(probe);
    if (!out.is_open()) return false;
    out.close();
    std::filesystem::remove(probe);
    return true;
}
