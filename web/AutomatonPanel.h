#pragma once
#include <optional>
#include <string>

#include "analysis/Automaton.h"
#include "platform/Shell.h"

class CVortafrm;

namespace web {

// The core's half of the page's panel "Автомат схемы" (page/automaton-panel.js): the
// table as the desktop's window shows it, and the state graph in DOT, which the page
// lays out and draws with its own Graphviz; "Сохранить рисунок..." writes that
// drawing as the circuit's pictures are written.
class CAutomatonPanel {
  public:
    CAutomatonPanel(const CVortafrm& core, platform::Shell& shell);

    // Shown (or brought forward) and computed again.
    void open();
    // The circuit changed: computed again while the panel is open.
    void followCircuit();
    void close() { open_ = false; }
    // The panel's two choices: letters beside the states' bits, and every
    // combination of the triggers' states as a start.
    void choose(bool letters, bool allStates);
    void savePicture() const;

  private:
    void compute();
    void answer() const;

    const CVortafrm& core_;
    platform::Shell& shell_;
    bool open_ = false;
    bool letters_ = false;
    bool allStates_ = false;
    std::optional<analysis::CircuitAutomaton> automaton_;
    std::string error_;
};

}  // namespace web
