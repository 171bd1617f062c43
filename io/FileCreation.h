#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "io/FileDescriptor.h"

// Opening circuit files by the name the user typed, relative to the current
// directory.
namespace io {

// Whether anything has that name: a file, a folder, a link (even one to nothing).
bool nameExists(const std::string& path);

// A file open for reading, with the size a regular file had when opened (0 where
// there is none to know, as for a pipe).
struct ExistingFile {
    CFileDescriptor descriptor;
    uint64_t size = 0;
    bool isOpen() const { return descriptor.isOpen(); }
};

// Opens an existing regular file for reading; nothing open when there is none by
// that name. A folder or a device of that name counts as none, and opening never
// waits on a pipe.
ExistingFile openExistingFile(const std::string& path);

// Reads the whole file into `bytes`. False on a read error, when the file is
// larger than kMaxCircuitFileBytes, and when fewer bytes arrive than it held when
// it was opened (it shrank while being read): `bytes` is then not the file.
bool readWholeFile(const ExistingFile& file, std::vector<uint8_t>& bytes);

}  // namespace io
