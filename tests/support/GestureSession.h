#pragma once
#include <string>
#include <vector>

#include "app/Vortafrm.h"
#include "support/RandomGestures.h"
#include "support/RandomShell.h"
#include "support/TemporaryDirectory.h"
#include "support/UndoShadow.h"

// A created main window of the usual size with a random user behind its dialogs,
// in a fresh current directory of its own (the recovery file and typed names land
// there), that takes window messages one at a time.
class GestureSession {
  public:
    GestureSession();
    // The same at that zoom, with a client area as much larger (or smaller).
    explicit GestureSession(int32_t zoom);
    ~GestureSession();
    GestureSession(const GestureSession&) = delete;
    GestureSession& operator=(const GestureSession&) = delete;

    // Sends the message as the desktop would and returns what the checkers find:
    // the window's soundness and its undo history. A timer message is sent only
    // while that timer runs.
    std::vector<std::string> sendAndCheck(const WindowMessage& message);
    // The destruction message, then the checker.
    std::vector<std::string> destroyAndCheck();

    const CVortafrm& window() const { return window_; }
    const RandomShell& shell() const { return shell_; }

  private:
    void send(const WindowMessage& message);
    bool timerRunning(int id) const;

    TemporaryDirectory directory_;
    RandomShell shell_;
    CVortafrm window_{shell_};
    UndoShadow undoShadow_{window_};
    bool destroyed_ = false;
};
