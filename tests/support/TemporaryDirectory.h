#pragma once
#include <unistd.h>

#include <filesystem>
#include <string>

// A fresh directory that becomes the current one for the test's lifetime: the
// recovery file lives in the current directory.
class TemporaryDirectory {
  public:
    TemporaryDirectory() : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lotra-app-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
        if (!path_.empty()) std::filesystem::current_path(path_);
    }
    ~TemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TemporaryDirectory(const TemporaryDirectory&) = delete;
    TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

    bool ok() const { return !path_.empty(); }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
