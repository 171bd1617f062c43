// Undo and redo on the largest circuits the tables hold, through the main window as
// the menu and the keys reach it, and the cost every click pays for the history;
// pasting a group of 100 elements, from Ctrl+V to the click that puts it down.
#include <benchmark/benchmark.h>

#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "edit/Joining.h"
#include "platform/Shell.h"

namespace {

// A user who confirms every deletion and is asked nothing else.
class ConfirmingShell : public platform::Shell {
  public:
    bool messageBox(const std::string&, const std::string&, platform::MessageBoxStyle) override {
        return true;
    }
    std::optional<LogicElementParams> logicElementDialog(const LogicElementParams&) override {
        return std::nullopt;
    }
    std::optional<GeneratorParams> generatorDialog(const GeneratorParams&) override {
        return std::nullopt;
    }
    bool questionDialog(const std::string&, const std::string&) override { return false; }
    bool deleteConfirmDialog(int32_t, int32_t) override { return true; }
    std::optional<int> pinChoiceDialog(const platform::PinChoiceRequest&) override {
        return std::nullopt;
    }
    std::optional<std::string> fileNameDialog(const std::string&, const std::string&) override {
        return std::nullopt;
    }
    bool warningDialog(const std::string&, const std::string&, const std::string&) override {
        return false;
    }
    platform::SaveChangesAnswer saveChangesDialog() override {
        return platform::SaveChangesAnswer::Cancel;
    }
    void aboutDialog() override {}
    void helpNoteDialog() override {}
    std::optional<platform::ComputerFile> chooseComputerFile() override { return std::nullopt; }
    bool writePicture(const platform::PictureRequest&,
                      const std::function<void(platform::Canvas&)>&) override {
        return false;
    }
    void invalidateRect(const Rect&, bool) override {}
    void setTimer(int, int) override {}
    void killTimer(int) override {}
    Size clientSize() const override { return {640, 480}; }
    void setScrollRange(platform::ScrollBarId, int32_t, int32_t) override {}
    void setScrollPos(platform::ScrollBarId, int32_t) override {}
    void moveControl(platform::ControlId, const Rect&) override {}
    std::optional<Point> pointerPosition() const override { return Point{300, 200}; }
    void putOnClipboard(const std::vector<uint8_t>& circuit, Size,
                        const std::function<void(platform::Canvas&)>&) override {
        clipboard = circuit;
    }
    std::optional<std::vector<uint8_t>> clipboardCircuit() override { return clipboard; }
    std::optional<std::vector<uint8_t>> clipboard;
};

constexpr int32_t kCell = 120;  // grid of 16 x 16 cells, one gate and maybe a trigger each

// 255 nine-input gates and 127 triggers, and 1023 wires, each from a gate pin of its
// own with two bends to a free end, linked as a finished drawing links them.
void fillTables(CCircuit& circuit) {
    for (int32_t n = 0; n < CCircuit::kLogicSlots; ++n) {
        auto gate = std::make_unique<CLogicElement>(n % 2 == 0, 9, n % 3 == 0);
        gate->setPosition(n % 16 * kCell + 20, n / 16 * kCell + 20);
        circuit.registerLogicElement(gate);
    }
    for (int32_t n = 0; n < CCircuit::kBlockSlots; ++n) {
        auto trigger = std::make_unique<CBlockElement>(Trigger);
        trigger->setPosition(n % 16 * kCell + 70, n / 16 * kCell + 70);
        circuit.registerBlockElement(trigger);
    }
    for (int32_t n = 0; n < CCircuit::kWireSlots; ++n) {
        const int32_t gate = n / 4;
        const int32_t pin = n % 4 == 3 ? kOutputPin : n % 4;
        const Point at = *circuit.pinAnchor(LogicElement, gate, pin);
        const int32_t slot = *circuit.registerWire();
        CWire& wire = *circuit.wire(slot);
        const int32_t out = pin == kOutputPin ? 5 : -5;
        wire.ends = {{at.x, at.y, LogicElement, gate, pin},
                     {at.x + 4 * out, at.y + 15, kLinkNone, 0, 0}};
        wire.points = {at, {at.x + out, at.y}, {at.x + out, at.y + 15}};
        edit::linkWireToPins(circuit, slot);
    }
}

// A window given full tables (a step from the empty ones), one step made (a right
// click that deletes the first gate and confirms), and the power as given.
struct FullWindow {
    explicit FullWindow(bool power) {
        CCircuit full;
        fillTables(full);
        window.replaceCircuit(std::move(full), "");
        givenBytes = window.history().bytes();
        if (power) window.OnCommand(command::PowerOn);
        window.OnRButtonDown(0, {35, 40});
    }
    ConfirmingShell shell;
    CVortafrm window{shell};
    size_t givenBytes = 0;  // what the step of the given tables keeps
};

void undoAtFullTables(benchmark::State& state, bool power) {
    FullWindow full(power);
    if (!full.window.isCommandEnabled(command::EditUndo)) state.SkipWithError("no step made");
    for (auto _ : state) {
        full.window.OnCommand(command::EditUndo);
        state.PauseTiming();
        full.window.OnCommand(command::EditRedo);
        state.ResumeTiming();
    }
}

void BM_UndoFullTables(benchmark::State& state) {
    undoAtFullTables(state, false);
}
BENCHMARK(BM_UndoFullTables)->Unit(benchmark::kMicrosecond);

// The restored circuit settles as well.
void BM_UndoFullTablesPowerOn(benchmark::State& state) {
    undoAtFullTables(state, true);
}
BENCHMARK(BM_UndoFullTablesPowerOn)->Unit(benchmark::kMicrosecond);

// A click that changes nothing still copies the tables and compares them afterwards.
void BM_ClickAtRestFullTables(benchmark::State& state) {
    FullWindow full(false);
    for (auto _ : state) {
        full.window.OnLButtonDown(platform::MK_LBUTTON, {630, 470});
        full.window.OnLButtonUp(0, {630, 470});
    }
}
BENCHMARK(BM_ClickAtRestFullTables)->Unit(benchmark::kMicrosecond);

// The memory one step takes at full tables, reported as a counter.
void BM_StepBytesFullTables(benchmark::State& state) {
    FullWindow full(false);
    for (auto _ : state) benchmark::DoNotOptimize(full.window.history().bytes());
    state.counters["bytes"] = static_cast<double>(full.window.history().bytes() - full.givenBytes);
}
BENCHMARK(BM_StepBytesFullTables);

// 50 input signals each wired to an indicator, all chosen and copied; each paste of
// the 100 elements and 50 wires is undone before the next.
void BM_PasteHundredElements(benchmark::State& state) {
    CCircuit pairs;
    for (int32_t n = 0; n < 50; ++n) {
        auto signal = std::make_unique<CBlockElement>(EntrSignal);
        signal->setPosition(n % 5 * 120 + 20, n / 5 * 45 + 20);
        pairs.registerBlockElement(signal);
        auto indicator = std::make_unique<CLogicElement>(Indicator);
        indicator->setPosition(n % 5 * 120 + 70, n / 5 * 45 + 20);
        pairs.registerLogicElement(indicator);
        const Point from = *pairs.pinAnchor(EntrSignal, n, kOutputPin);
        const Point to = *pairs.pinAnchor(Indicator, n, 0);
        const int32_t slot = *pairs.registerWire();
        CWire& wire = *pairs.wire(slot);
        wire.ends = {{from.x, from.y, EntrSignal, n, kOutputPin}, {to.x, to.y, Indicator, n, 0}};
        wire.points = {from, {from.x + 5, from.y}, {to.x - 5, to.y}, to};
        edit::linkWireToPins(pairs, slot);
    }
    ConfirmingShell shell;
    CVortafrm window{shell};
    window.replaceCircuit(std::move(pairs), "");
    window.OnCommand(command::EditSelectAll);
    window.OnCommand(command::EditCopy);
    for (auto _ : state) {
        window.OnCommand(command::EditPaste);
        window.OnMouseMove(0, {600, 500});
        window.OnLButtonDown(platform::MK_LBUTTON, {600, 500});
        window.OnLButtonUp(0, {600, 500});
        state.PauseTiming();
        if (window.editState().selection.logic.size() != 50) state.SkipWithError("not pasted");
        window.OnCommand(command::EditUndo);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PasteHundredElements)->Unit(benchmark::kMicrosecond);

}  // namespace
