#pragma once
#include <string>

#include "io/FileDescriptor.h"

// Opening circuit files by the name the user typed, relative to the current
// directory.
namespace io {

enum class NewFileResult { Created, AlreadyExists, Failed };

// Creates an empty file that must not exist yet. Only an existing name (a file, a
// folder, a link) counts as AlreadyExists; a missing folder or a refused
// permission is Failed.
NewFileResult createNewFile(const std::string& path);

// Opens an existing regular file for reading; nothing open when there is none by
// that name. A folder or a device of that name counts as none, and opening never
// waits on a pipe.
CFileDescriptor openExistingFile(const std::string& path);

}  // namespace io
