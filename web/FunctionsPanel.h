#pragma once
#include <memory>

#include "analysis/FunctionsComputation.h"
#include "platform/Shell.h"
#include "web/PixelCanvas.h"

class CVortafrm;

namespace web {

// The core's half of the page's panel "Функции схемы" (page/functions-panel.js):
// the page has one thread, so the panel's work is done in small steps that the
// page runs between the generator's ticks. When the last is done the page gets the
// functions as one JSON object, lotra-sim's --functions --json; then the picture of
// the chosen function (its Karnaugh map, or its formula) on request.
class CFunctionsPanel {
  public:
    CFunctionsPanel(const CVortafrm& core, platform::Shell& shell, TextStamper& text);
    ~CFunctionsPanel();
    CFunctionsPanel(const CFunctionsPanel&) = delete;
    CFunctionsPanel& operator=(const CFunctionsPanel&) = delete;

    // Shown (or brought forward) and computed again.
    void open();
    // The circuit changed: computed again while the panel is open.
    void followCircuit();
    // The user closed it: what it computes is dropped.
    void close();
    // The next piece of the work; false once there is none left (the page has the
    // answer then).
    bool step();
    // The picture of the function numbered `index` goes to the panel.
    void showPicture(int index) const;
    // "Сохранить рисунок..." of the panel for that function.
    void savePicture(int index) const;

  private:
    void start();
    void answer() const;
    const analysis::AnalysedFunction* analysed(int index) const;

    const CVortafrm& core_;
    platform::Shell& shell_;
    TextStamper& text_;
    bool open_ = false;
    std::unique_ptr<analysis::CFunctionsComputation> computation_;
};

}  // namespace web
