#pragma once
#include <string>

#include "platform/WindowStatus.h"

namespace app {

// The status line as both platforms show it, in parts set apart by bars: the
// file's name, the power, the generator while the power is on, then the warnings
// that apply.
std::string statusLine(const platform::WindowStatus& status);

}  // namespace app
