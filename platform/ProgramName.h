#pragma once

namespace platform {

// The program's name: the title of its main window and the creator named in the
// picture files it writes.
inline constexpr const char* kProgramName = "Лотра - 2";

}  // namespace platform
