#pragma once
#include "model/Circuit.h"

// The recovery file "default.vrt" in the current directory: read back when the
// main window is created, rewritten by the autosave timer, emptied at a normal exit.
namespace io {

inline constexpr const char* kRecoveryFileName = "default.vrt";

// Opens the recovery file, creating it empty when it is missing, and reads its
// circuit into the tables when it holds anything. False when it cannot be opened
// or the user may not write it: the program then runs without autosave.
bool restoreRecovery(CCircuit& circuit);

// Replaces the recovery file (or the target of its link) with the circuit as a
// whole: a crash at any moment leaves either the previous content or the new one.
// Where no temporary file can be made beside it, it is rewritten in place instead,
// but only when the space for the whole new content could be claimed first. False
// when it could not be written: the file then holds what it held before, and the
// circuit is never touched.
bool writeRecovery(const CCircuit& circuit);

// Whether the name stands for the recovery file (the same file, through links or
// another spelling of its path, or the same path where it does not exist yet).
bool namesRecoveryFile(const std::string& path);

// Leaves an empty recovery file, written as above, so that the next start shows an
// empty work area.
bool emptyRecovery();

}  // namespace io
