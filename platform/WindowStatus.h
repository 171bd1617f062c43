#pragma once
#include <string>

namespace platform {

// What the window says of itself under the work area, as the core knows it. The
// core hands it over whenever any part changes; a platform without a status line
// may ignore it.
struct WindowStatus {
    std::string fileName;  // empty: the circuit has no file yet
    bool powerOn = false;
    bool generatorRunning = false;
    // The power is on and the circuit changed since the last settle: the levels
    // shown are those before the change.
    bool levelsStale = false;
    // The last settle stopped at the pass bound without settling.
    bool unsettled = false;
    // The last autosave could not write the recovery file.
    bool recoveryUnwritten = false;
    friend bool operator==(const WindowStatus&, const WindowStatus&) = default;
};

}  // namespace platform
