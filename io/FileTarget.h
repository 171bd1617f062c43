#pragma once
#include <optional>
#include <string>

// Which file a name stands for, and whether the user may change it.
namespace io {

// The name itself, or the file at the end of its chain of symbolic links; a
// relative link target counts from the link's own folder. A link to a file that
// does not exist stands for that file, which a write then creates. Nothing, with
// errno ELOOP, for a chain that does not end.
std::optional<std::string> followLinks(const std::string& path);

// Whether the user may change the file, judged as for a user without privileges:
// by the write bit for the owner, the group or others, whichever applies to him,
// so that a write-protected file stays protected when the program runs as root.
// A name that does not exist yet may be made.
bool userMayWrite(const std::string& path);

}  // namespace io
