#pragma once
#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

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

// One column's levels, packed; the fullest tables need 24 words.
inline constexpr size_t kMostColumnWords = 32;
using ColumnBits = std::array<uint64_t, kMostColumnWords>;

enum class ColumnCause : uint8_t { PowerOn, Tick, Manual };

struct TimingColumn {
    uint32_t tick = 0;  // generator ticks of 100 ms since the power went on
    ColumnCause cause = ColumnCause::PowerOn;
};

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

    bool isRecording() const { return recording_; }
    // The kept columns are numbered from the power on: firstColumn() to endColumn() - 1.
    uint64_t firstColumn() const { return endColumn_ - columns_.size(); }
    uint64_t endColumn() const { return endColumn_; }
    TimingColumn column(uint64_t n) const;
    // The level at a kept column, or nothing where the source was not in the circuit.
    std::optional<bool> level(const SignalSource& source, uint64_t column) const;
    // Every source that some kept column holds, logic-element table first, slots upward.
    std::vector<SignalSource> sources() const;
    // Changes with every column and every new recording.
    uint64_t version() const { return version_; }
    // The heap the columns take.
    size_t bytesUsed() const;

  private:
    // The levels of one element in a column, read straight from its pins.
    struct ElementProbe {
        const ElementKind* kind = nullptr;
        ElementKind expected = LogicElement;
        const Pins* pins = nullptr;
        int32_t firstBit = 0;
    };
    // Where each slot's levels sit in a column while the tables hold the same
    // records of the same kinds (the addresses and kinds prove it before a read).
    template <size_t Slots>
    struct TableLayout {
        std::array<const void*, Slots> records{};
        std::array<int32_t, Slots> kinds{};  // stored kind numbers, 0 for an empty slot
        std::array<int16_t, Slots> firstBits{};
    };
    struct Layout {
        TableLayout<CCircuit::kLogicSlots> logic;
        TableLayout<CCircuit::kBlockSlots> block;
        std::vector<ElementProbe> probes;
        int32_t words = 0;
    };
    struct Segment {
        Layout layout;
        uint64_t firstColumn = 0;
        std::deque<uint64_t> words;
    };

    void record(const CCircuit& circuit, ColumnCause cause);
    void dropOldest();
    static Layout layoutOf(const CCircuit& circuit);
    // False when a slot's kind is not the layout's.
    static bool sample(const CCircuit& circuit, const Layout& layout, ColumnBits& bits);
    const Segment* segmentOf(uint64_t column) const;

    uint64_t kept_;
    bool recording_ = false;
    uint32_t tick_ = 0;
    uint64_t endColumn_ = 0;
    uint64_t version_ = 0;
    std::deque<uint32_t> columns_;  // tick * 4 + cause
    std::deque<Segment> segments_;
};

}  // namespace analysis
