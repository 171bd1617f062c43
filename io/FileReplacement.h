#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "io/FileDescriptor.h"

namespace io {

enum class ReplacementStart {
    Started,
    // A chain of links that does not end, or an existing file the user may not write.
    Refused,
    // No file can be made beside the target (errno tells why).
    NoTemporary,
};

// Replaces the whole contents of the file a name stands for, so that a crash at
// any moment leaves either the old contents or the new: they go into a temporary
// file beside the file at the end of the name's links, which is renamed over it
// only when complete. The links stay, and a replaced file keeps its mode and,
// where the writer may give it away, its owner and group.
class CFileReplacement {
  public:
    CFileReplacement() = default;
    ~CFileReplacement();
    CFileReplacement(const CFileReplacement&) = delete;
    CFileReplacement& operator=(const CFileReplacement&) = delete;

    ReplacementStart begin(const std::string& path);
    // The file being replaced; set by begin unless the links do not end.
    const std::string& target() const { return target_; }
    // False, here and at every later call, once a write has failed.
    bool append(std::span<const uint8_t> bytes);
    // Flushes the new contents and puts them in place; false leaves the target as
    // it was, with errno telling why.
    bool commit();

  private:
    void abandon();

    std::string target_;
    std::string temporary_;
    CFileDescriptor file_;
    bool written_ = true;
};

// The whole contents at once through a CFileReplacement; false, with errno set,
// when the file could not be replaced.
bool replaceFile(const std::string& path, std::span<const uint8_t> bytes);

}  // namespace io
