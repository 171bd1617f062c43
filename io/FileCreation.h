#pragma once
#include <string>

// Opening circuit files by the name the user typed, relative to the current
// directory. Every descriptor handed out is closed by the caller within the command.
namespace io {

enum class NewFileResult { Created, AlreadyExists, Failed };

// Creates an empty file that must not exist yet. Only an existing name (a file, a
// folder, a link) counts as AlreadyExists; a missing folder or a refused
// permission is Failed.
NewFileResult createNewFile(const std::string& path);

// Opens an existing regular file for reading; -1 when there is none by that name.
// A folder or a device of that name counts as none, and opening never waits on a pipe.
int openExistingFile(const std::string& path);

}  // namespace io
