#include <random>

#include "app/CommandIds.h"
#include "support/GestureSession.h"
#include "support/RandomGestures.h"

namespace {

using Type = WindowMessage::Type;

// Work-area points where a gesture does something: element corners and middles,
// pins, wire ends, bend points and the middles of wire segments.
std::vector<Point> interestingPoints(const CCircuit& circuit) {
    std::vector<Point> points;
    auto addElement = [&](ElementKind kind, int32_t slot, int32_t x, int32_t y, int32_t w,
                          int32_t h) {
        points.push_back({x, y});
        points.push_back({x + w / 2, y + h / 2});
        for (int pin = 0; pin < kPinCount; ++pin) {
            if (auto anchor = circuit.pinAnchor(kind, slot, pin)) points.push_back(*anchor);
        }
    };
    for (const auto& e : circuit.logicElements)
        if (e) addElement(e->kind, e->index, e->x, e->y, e->width, e->height);
    for (const auto& e : circuit.blockElements)
        if (e) addElement(e->kind, e->index, e->x, e->y, e->width, e->height);
    for (const auto& w : circuit.wires) {
        if (!w) continue;
        for (const WireEnd& end : w->ends) points.push_back(end.position());
        Point previous = w->ends.empty() ? Point{} : w->ends[0].position();
        for (const Point& p : w->points) {
            points.push_back(p);
            points.push_back({(previous.x + p.x) / 2, (previous.y + p.y) / 2});
            previous = p;
        }
    }
    return points;
}

const int kCommands[] = {
    command::FileNew,         command::FileOpen,        command::FileSave,
    command::FileSaveAs,      command::AppExit,         command::InsertLogicElement,
    command::InsertTrigger,   command::InsertSummer,    command::InsertEntrSignal,
    command::InsertGenerator, command::InsertIndicator, command::PowerOn,
    command::PowerOff,        command::GeneratorStart,  command::GeneratorStop,
    command::HelpAbout,       command::HelpNote,        command::EditUndo,
    command::EditRedo,        command::ViewZoomIn,      command::ViewZoomOut,
    command::ViewZoomNatural,
};
// What is done to a group of elements; pasting is followed by moves and a click.
const int kGroupCommands[] = {
    command::EditCut,       command::EditCopy,     command::EditPaste,    command::EditDelete,
    command::EditSelectAll, command::EditCancel,   command::EditMoveLeft, command::EditMoveRight,
    command::EditMoveUp,    command::EditMoveDown,
};
const int kInsertCommands[] = {
    command::InsertLogicElement, command::InsertTrigger,   command::InsertSummer,
    command::InsertEntrSignal,   command::InsertGenerator, command::InsertIndicator,
};

class GestureGenerator {
  public:
    GestureGenerator(uint32_t seed, size_t count, std::vector<WindowMessage>& sent)
        : random_(seed), count_(count), sent_(sent) {}

    std::optional<FrameFault> run() {
        while (sent_.size() < count_ && !fault_) nextGesture();
        undoAndRedoEverything();
        if (!fault_) {
            if (auto violations = session_.destroyAndCheck(); !violations.empty())
                fault_ = FrameFault{sent_.size(), std::move(violations)};
        }
        return fault_;
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    int between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random_);
    }

    void send(WindowMessage m) {
        if (fault_ || (sent_.size() >= count_ && !finishing_)) return;
        m.answerSeed = static_cast<uint32_t>(random_());
        sent_.push_back(m);
        if (auto violations = session_.sendAndCheck(m); !violations.empty())
            fault_ = FrameFault{sent_.size() - 1, std::move(violations)};
    }
    void pointer(Type type, uint32_t flags, Point at) { send({type, flags, at, 0, 0, 0}); }
    void other(Type type, int32_t value, int32_t value2 = 0) {
        send({type, 0, {}, value, value2, 0});
    }

    // Mostly a point of the circuit, exactly or a little off; sometimes anywhere.
    Point target() {
        const CVortafrm& window = session_.window();
        const std::vector<Point> points = interestingPoints(window.circuit());
        const Size client = session_.shell().client;
        if (points.empty() || below(10) == 0)
            return {between(-5, client.width + 5), between(-5, client.height + 5)};
        const Point p = points[static_cast<size_t>(below(static_cast<int>(points.size())))];
        const int spread = below(10) < 6 ? 0 : (below(3) == 0 ? 12 : 3);
        const int32_t dx = between(-spread, spread);
        const int32_t dy = between(-spread, spread);
        return window.viewport().toClient(p, {dx, dy});
    }
    uint32_t modifiers() {
        const int roll = below(20);
        if (roll < 12) return 0;
        if (roll < 15) return platform::MK_SHIFT;
        if (roll < 18) return platform::MK_CONTROL;
        return platform::MK_SHIFT | platform::MK_CONTROL;
    }

    void click(Point at, uint32_t keys) {
        pointer(Type::LButtonDown, keys | platform::MK_LBUTTON, at);
        pointer(Type::LButtonUp, keys, at);
    }
    void doubleClick(Point at, uint32_t keys) {
        click(at, keys);
        pointer(Type::LButtonDblClk, keys | platform::MK_LBUTTON, at);
        pointer(Type::LButtonUp, keys, at);
    }
    void drag(uint32_t keys) {
        pointer(Type::LButtonDown, keys | platform::MK_LBUTTON, target());
        for (int steps = between(1, 4); steps > 0; --steps)
            pointer(Type::MouseMove, keys | platform::MK_LBUTTON, target());
        pointer(Type::LButtonUp, keys, target());
    }
    // A rubber band from anywhere, mostly across some of the circuit.
    void band() {
        const Size client = session_.shell().client;
        pointer(Type::LButtonDown, platform::MK_LBUTTON,
                {between(0, client.width), between(0, client.height)});
        for (int steps = between(1, 3); steps > 0; --steps)
            pointer(Type::MouseMove, platform::MK_LBUTTON, target());
        pointer(Type::LButtonUp, 0, target());
        if (below(2)) groupCommand();
    }
    // A copy or a cut is mostly pasted at once.
    void groupCommand() {
        const int id = kGroupCommands[below(std::size(kGroupCommands))];
        other(Type::Command, id);
        const bool copied = id == command::EditCopy || id == command::EditCut;
        if (copied && below(3))
            other(Type::Command, command::EditPaste);
        else if (id != command::EditPaste)
            return;
        for (int steps = between(0, 3); steps > 0; --steps) pointer(Type::MouseMove, 0, target());
        if (below(4) != 0) click(target(), 0);
    }
    void timerTicks() {
        if (below(4) == 0) return other(Type::Timer, timer::Autosave);
        for (int ticks = between(1, 12); ticks > 0; --ticks)
            other(Type::Timer, timer::GeneratorClock);
    }
    void undoOrRedo() {
        for (int times = between(1, 4); times > 0; --times)
            other(Type::Command, below(3) ? command::EditUndo : command::EditRedo);
    }
    // The end of a session: the gesture under way is ended, then every step is
    // undone and redone, which the session's checker compares step by step.
    void undoAndRedoEverything() {
        finishing_ = true;
        pointer(Type::LButtonUp, 0, {});
        pointer(Type::LButtonDblClk, platform::MK_LBUTTON, {});
        // A right click discards an element still waiting to be placed; both may wait.
        for (int waiting = 2; waiting > 0 && gestureUnderWay(session_.window().editState());
             --waiting)
            pointer(Type::RButtonDown, 0, {});
        for (const int id : {command::EditUndo, command::EditRedo}) {
            for (int steps = 1000; steps > 0 && !fault_ && session_.window().isCommandEnabled(id);
                 --steps)
                other(Type::Command, id);
        }
    }
    // A notch or part of one, or a touchpad's long sweep, of either direction.
    void wheel() {
        const int32_t turn = below(3) == 0 ? between(-400, 400) : (below(2) ? 120 : -120);
        const bool across = below(4) == 0;
        send({Type::Wheel, modifiers(), target(), across ? turn : 0, across ? 0 : turn, 0});
    }
    void menuCommand() {
        if (below(2) == 0) {
            other(Type::Command, kInsertCommands[below(std::size(kInsertCommands))]);
            pointer(Type::MouseMove, 0, target());
        } else {
            other(Type::Command, kCommands[below(std::size(kCommands))]);
        }
    }

    void nextGesture() {
        const int roll = below(100);
        if (roll < 28) return pointer(Type::MouseMove, below(8) == 0 ? modifiers() : 0, target());
        if (roll < 46) return click(target(), modifiers());
        if (roll < 52) return doubleClick(target(), modifiers());
        if (roll < 58) return drag(modifiers());
        if (roll < 62) return pointer(Type::RButtonDown, modifiers(), target());
        if (roll < 70) return menuCommand();
        if (roll < 74) return below(2) ? band() : groupCommand();
        if (roll < 78) return undoOrRedo();
        if (roll < 92) return timerTicks();
        if (roll < 94)
            return other(below(2) ? Type::VScroll : Type::HScroll, below(9), between(-20, 2100));
        if (roll < 95) return wheel();
        if (roll < 96) return other(Type::Size, between(0, 900), between(0, 700));
        other(Type::Paint, 0);
    }

    std::mt19937 random_;
    size_t count_;
    std::vector<WindowMessage>& sent_;
    GestureSession session_;
    std::optional<FrameFault> fault_;
    bool finishing_ = false;
};

}  // namespace

std::optional<FrameFault> runRandomSession(uint32_t seed, size_t count,
                                           std::vector<WindowMessage>& sent) {
    return GestureGenerator(seed, count, sent).run();
}
