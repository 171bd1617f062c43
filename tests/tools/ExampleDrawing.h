#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "app/Vortafrm.h"
#include "model/Geometry.h"
#include "support/ScriptedShell.h"

// The example circuits shipped for the course, drawn as a student draws them: the
// main window is fed the insert commands, the pointer movements and the clicks,
// and the scripted desktop answers the dialogs. So every wire has the stub, the
// bends on the grid and the ends on pin anchors that the editor gives it.
class CExampleDrawing {
  public:
    CExampleDrawing();

    // An element placed with its top-left corner at the point; returns its slot.
    int32_t signal(Point at);
    int32_t generator(Point at, GeneratorParams params);
    int32_t gate(Point at, LogicElementParams params);
    int32_t indicator(Point at);
    int32_t trigger(Point at);
    int32_t summer(Point at);

    // A wire from a pin, bent at each of `bends` in turn, finished on a pin.
    void connect(ElementKind fromKind, int32_t fromSlot, int32_t fromPin,
                 const std::vector<Point>& bends, ElementKind toKind, int32_t toSlot,
                 int32_t toPin);
    // A wire from a pin, bent at each of `bends`, joined onto the wire that passes
    // through `junction`.
    void branch(ElementKind kind, int32_t slot, int32_t pin, const std::vector<Point>& bends,
                Point junction);
    // The Ctrl-click that flips an input signal, confirmed.
    void flip(int32_t signalSlot);

    // What the drawing asked that nobody answered, or left unfinished: empty when
    // every gesture did what it was meant to.
    std::vector<std::string> faults() const;

    const CCircuit& circuit() const { return window_.circuit(); }

  private:
    int32_t place(int command, Point at);
    void click(Point at, uint32_t modifiers = 0);
    Point centreOf(ElementKind kind, int32_t slot) const;

    ScriptedShell shell_;
    CVortafrm window_{shell_};
    std::vector<Point> misplaced_;
    bool unfinished_ = false;
};
