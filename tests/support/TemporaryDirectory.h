#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>

// A fresh directory that goes with everything in it when the object does. By default
// it is the current directory for its lifetime, since the recovery file and the
// names a user types live in the current directory.
class TemporaryDirectory {
  public:
    enum class Current { Enter, Keep };

    explicit TemporaryDirectory(Current current = Current::Enter)
        : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lotra-test-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        entered_ = current == Current::Enter && !path_.empty();
        if (entered_) std::filesystem::current_path(path_);
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        if (entered_) std::filesystem::current_path(previous_, ignored);
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
    bool entered_ = false;
};
