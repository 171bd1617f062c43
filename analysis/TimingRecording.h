#pragma once
#include <cstdint>
#include <optional>
#include <vector>

#include "analysis/DroppingBuffer.h"
#include "model/Circuit.h"
#include "model/ElementKind.h"
#include "model/Pin.h"

// The levels of a running circuit, a column at a time: from power on, a column
// after every generator tick and after every manual change that settled. It only
// looks at the pins the program's own simulation left; it never computes a level.
namespace analysis {

// One recorded level: an output pin of an element, or one input of an indicator
// (a 1 only while the input is connected and at 1, as the number counts it).
struct SignalSource {
    ElementKind kind = LogicElement;
    int32_t slot = 0;
    int pin = kOutputPin;
    friend bool operator==(const SignalSource&, const SignalSource&) = default;
};

enum class ColumnCause : uint8_t { PowerOn, Tick, Manual };

struct TimingColumn {
    uint32_t tick = 0;  // generator ticks of 100 ms since the power went on
    ColumnCause cause = ColumnCause::PowerOn;
};

// What the diagram shows of a circuit without being asked: every input signal's
// and generator's output, both outputs of every trigger and every input of every
// indicator. Only these, and the sources asked for with `track`, are recorded, so
// that a column costs a few loads per row and not a walk of the whole tables.
std::vector<SignalSource> shownByDefault(const CCircuit& circuit);

class CTimingRecording {
  public:
    static constexpr uint64_t kKeptColumns = 100000;

    explicit CTimingRecording(uint64_t keptColumns = kKeptColumns);

    // Power on throws the last recording away and starts one with the levels the
    // power-on settle left; power off ends it, and it stays to be looked at.
    void startAtPowerOn(const CCircuit& circuit);
    void stopAtPowerOff();
    // A column after a tick of the generator clock, or after a toggle that settled.
    // Nothing while no recording runs.
    void recordTick(const CCircuit& circuit);
    void recordManualChange(const CCircuit& circuit);
    // The circuit changed in more than its levels: the next column looks at the
    // tables again for what came and went. (A removed record is noticed anyway.)
    void circuitChanged() { relayout_ = true; }
    // Records the source too from the next column on, as long as it is there.
    void track(const SignalSource& source);

    bool isRecording() const { return recording_; }
    // The kept columns are numbered from the power on: firstColumn() to endColumn() - 1.
    uint64_t firstColumn() const { return endColumn_ - columns_.size(); }
    uint64_t endColumn() const { return endColumn_; }
    TimingColumn column(uint64_t n) const;
    // The first kept column at or after the tick (endColumn() when there is none).
    uint64_t firstColumnAtTick(uint32_t tick) const;
    // The level at a kept column, or nothing where the source was not recorded.
    std::optional<bool> level(const SignalSource& source, uint64_t column) const;
    // The levels of columns first to first + count - 1, 0 or 1, -1 where the source
    // was not recorded: one lookup per layout rather than per column.
    void levels(const SignalSource& source, uint64_t first, uint64_t count,
                std::vector<int8_t>& out) const;
    // Every source that some kept column holds, logic-element table first, slots upward.
    std::vector<SignalSource> sources() const;
    // Changes with every column and every new recording.
    uint64_t version() const { return version_; }
    // The heap the columns take.
    size_t bytesUsed() const;

  private:
    // One recorded level, read through the table slot, which must still hold the
    // record it held when the layout was made. The level is value & mask: an
    // indicator's input counts only while connected, any other pin's mask is a 1.
    template <typename Element>
    struct Probe {
        const std::unique_ptr<Element>* slot = nullptr;
        const Element* record = nullptr;
        const uint8_t* value = nullptr;
        const uint8_t* mask = nullptr;
    };
    struct Layout {
        const CCircuit* circuit = nullptr;
        std::vector<SignalSource> sources;  // in bit order
        std::vector<Probe<CLogicElement>> logic;
        std::vector<Probe<CBlockElement>> block;
        size_t words = 0;
        bool sameRecords(const Layout& other) const;
    };
    struct Segment {
        Layout layout;
        uint64_t firstColumn = 0;
        CDroppingBuffer<uint64_t> words;
    };

    void record(const CCircuit& circuit, ColumnCause cause);
    void dropOldest();
    Layout layoutOf(const CCircuit& circuit) const;
    // False when a probed slot no longer holds its record.
    static bool sample(const Layout& layout, uint64_t* words);
    const Segment* segmentOf(uint64_t column) const;
    static std::optional<size_t> bitOf(const Segment& segment, const SignalSource& source);

    uint64_t kept_;
    bool recording_ = false;
    bool relayout_ = true;
    uint32_t tick_ = 0;
    uint64_t endColumn_ = 0;
    uint64_t version_ = 0;
    std::vector<SignalSource> tracked_;
    CDroppingBuffer<uint32_t> columns_;  // tick * 4 + cause
    std::vector<Segment> segments_;
};

}  // namespace analysis
