#include "analysis/TimingRecording.h"

#include <algorithm>
#include <tuple>

#include "model/ElementKinds.h"

namespace analysis {
namespace {

constexpr size_t kWordBits = 64;
constexpr uint32_t kCauseBits = 2;

// The pins a slot of the kind gives levels for: an indicator its inputs, every
// other kind its outputs, in pin order.
struct RecordedPins {
    std::array<int8_t, kPinCount> pins{};
    int count = 0;
    bool inputs = false;
};

RecordedPins recordedPinsOf(ElementKind kind) {
    const ElementKindInfo& info = kindInfo(kind);
    RecordedPins recorded;
    recorded.inputs = info.showsNumber;
    for (int pin = 0; pin < kPinCount; ++pin)
        if (hasPin(info.pins, pin) && isInputPin(pin) == recorded.inputs)
            recorded.pins[static_cast<size_t>(recorded.count++)] = static_cast<int8_t>(pin);
    return recorded;
}

// Indexed by the kind's stored number; 0 (an empty slot) records nothing.
const std::array<RecordedPins, 7> kRecordedPins = [] {
    std::array<RecordedPins, 7> kinds{};
    for (const ElementKind kind : kElementKinds)
        kinds[static_cast<size_t>(storedNumber(kind))] = recordedPinsOf(kind);
    return kinds;
}();

const RecordedPins& recordedPins(int32_t kindNumber) {
    return kRecordedPins[static_cast<size_t>(kindNumber)];
}

template <typename Element>
int32_t kindNumberOf(const std::unique_ptr<Element>& element) {
    return element ? storedNumber(element->kind) : 0;
}

template <typename Table, typename Records>
bool sameRecords(const Table& table, const Records& records) {
    for (size_t slot = 0; slot < table.size(); ++slot)
        if (table[slot].get() != records[slot]) return false;
    return true;
}

template <typename Table, typename TableLayout, typename Probes>
int layTable(const Table& table, TableLayout& layout, Probes& probes, int bit) {
    for (size_t slot = 0; slot < table.size(); ++slot) {
        layout.records[slot] = table[slot].get();
        layout.kinds[slot] = kindNumberOf(table[slot]);
        layout.firstBits[slot] = static_cast<int16_t>(bit);
        if (!table[slot]) continue;
        probes.push_back({&table[slot]->kind, table[slot]->kind, &table[slot]->pins, bit});
        bit += recordedPins(layout.kinds[slot]).count;
    }
    return bit;
}

// Where the pin sits among the slot's levels, or nothing.
std::optional<int> pinIndex(int32_t kindNumber, int pin) {
    const RecordedPins& recorded = recordedPins(kindNumber);
    for (int n = 0; n < recorded.count; ++n)
        if (recorded.pins[static_cast<size_t>(n)] == pin) return n;
    return std::nullopt;
}

}  // namespace

CTimingRecording::CTimingRecording(uint64_t keptColumns)
    : kept_(std::max<uint64_t>(keptColumns, 1)) {}

void CTimingRecording::startAtPowerOn(const CCircuit& circuit) {
    columns_.clear();
    segments_.clear();
    endColumn_ = 0;
    tick_ = 0;
    recording_ = true;
    record(circuit, ColumnCause::PowerOn);
}

void CTimingRecording::stopAtPowerOff() {
    recording_ = false;
    ++version_;
}

void CTimingRecording::recordTick(const CCircuit& circuit) {
    if (!recording_) return;
    ++tick_;
    record(circuit, ColumnCause::Tick);
}

void CTimingRecording::recordManualChange(const CCircuit& circuit) {
    if (recording_) record(circuit, ColumnCause::Manual);
}

CTimingRecording::Layout CTimingRecording::layoutOf(const CCircuit& circuit) {
    Layout layout;
    int bit = layTable(circuit.logicElements, layout.logic, layout.probes, 0);
    bit = layTable(circuit.blockElements, layout.block, layout.probes, bit);
    layout.words = static_cast<int32_t>((static_cast<size_t>(bit) + kWordBits - 1) / kWordBits);
    return layout;
}

bool CTimingRecording::sample(const CCircuit& circuit, const Layout& layout, ColumnBits& bits) {
    if (!sameRecords(circuit.logicElements, layout.logic.records) ||
        !sameRecords(circuit.blockElements, layout.block.records))
        return false;
    // The levels lie in probe order, one after another, so they gather in a register.
    bits.fill(0);
    uint64_t word = 0;
    size_t filled = 0;
    size_t next = 0;
    for (const ElementProbe& probe : layout.probes) {
        // A record freed and another made at its address in the same slot.
        if (*probe.kind != probe.expected) return false;
        const RecordedPins& recorded = recordedPins(storedNumber(probe.expected));
        for (int n = 0; n < recorded.count; ++n) {
            const Pin& pin =
                (*probe.pins)[static_cast<size_t>(recorded.pins[static_cast<size_t>(n)])];
            const uint64_t high = recorded.inputs ? (pin.connected & pin.value) : pin.value;
            word |= (high & 1U) << filled;
            if (++filled < kWordBits) continue;
            bits[next++] = word;
            word = 0;
            filled = 0;
        }
    }
    if (filled > 0) bits[next] = word;
    return true;
}

// A change of the tables' kinds starts a segment with a layout of its own: the
// rows of elements that went end there, those of new ones begin.
void CTimingRecording::record(const CCircuit& circuit, ColumnCause cause) {
    ColumnBits bits{};
    if (segments_.empty() || !sample(circuit, segments_.back().layout, bits)) {
        segments_.push_back({layoutOf(circuit), endColumn_, {}});
        sample(circuit, segments_.back().layout, bits);
    }
    Segment& segment = segments_.back();
    segment.words.insert(segment.words.end(), bits.begin(), bits.begin() + segment.layout.words);
    columns_.push_back(tick_ << kCauseBits | static_cast<uint32_t>(cause));
    ++endColumn_;
    ++version_;
    if (columns_.size() > kept_) dropOldest();
}

void CTimingRecording::dropOldest() {
    columns_.pop_front();
    Segment& oldest = segments_.front();
    oldest.words.erase(oldest.words.begin(), oldest.words.begin() + oldest.layout.words);
    ++oldest.firstColumn;
    if (segments_.size() > 1 && oldest.firstColumn == segments_[1].firstColumn)
        segments_.pop_front();
}

TimingColumn CTimingRecording::column(uint64_t n) const {
    const uint32_t packed = columns_[static_cast<size_t>(n - firstColumn())];
    return {packed >> kCauseBits, static_cast<ColumnCause>(packed & ((1U << kCauseBits) - 1))};
}

const CTimingRecording::Segment* CTimingRecording::segmentOf(uint64_t column) const {
    if (column < firstColumn() || column >= endColumn_) return nullptr;
    const auto after = std::upper_bound(
        segments_.begin(), segments_.end(), column,
        [](uint64_t n, const Segment& segment) { return n < segment.firstColumn; });
    return after == segments_.begin() ? nullptr : &*(after - 1);
}

std::optional<bool> CTimingRecording::level(const SignalSource& source, uint64_t column) const {
    const Segment* segment = segmentOf(column);
    if (!segment || source.slot < 0) return std::nullopt;
    const bool logic = isLogicTableKind(source.kind);
    const auto slot = static_cast<size_t>(source.slot);
    const Layout& layout = segment->layout;
    if (slot >= (logic ? layout.logic.kinds.size() : layout.block.kinds.size()))
        return std::nullopt;
    const int32_t kind = logic ? layout.logic.kinds[slot] : layout.block.kinds[slot];
    if (kind != storedNumber(source.kind)) return std::nullopt;
    const std::optional<int> index = pinIndex(kind, source.pin);
    if (!index) return std::nullopt;
    const auto bit = static_cast<size_t>(
        (logic ? layout.logic.firstBits[slot] : layout.block.firstBits[slot]) + *index);
    const size_t word =
        static_cast<size_t>(column - segment->firstColumn) * static_cast<size_t>(layout.words) +
        bit / kWordBits;
    return (segment->words[word] >> (bit % kWordBits) & 1U) != 0;
}

std::vector<SignalSource> CTimingRecording::sources() const {
    std::vector<SignalSource> found;
    const auto add = [&found](int32_t kindNumber, size_t slot) {
        if (kindNumber == 0) return;
        const RecordedPins& recorded = recordedPins(kindNumber);
        for (int n = 0; n < recorded.count; ++n) {
            const SignalSource source{static_cast<ElementKind>(kindNumber),
                                      static_cast<int32_t>(slot),
                                      recorded.pins[static_cast<size_t>(n)]};
            if (std::find(found.begin(), found.end(), source) == found.end())
                found.push_back(source);
        }
    };
    for (const Segment& segment : segments_)
        for (size_t slot = 0; slot < segment.layout.logic.kinds.size(); ++slot)
            add(segment.layout.logic.kinds[slot], slot);
    for (const Segment& segment : segments_)
        for (size_t slot = 0; slot < segment.layout.block.kinds.size(); ++slot)
            add(segment.layout.block.kinds[slot], slot);
    const auto key = [](const SignalSource& s) {
        return std::make_tuple(!isLogicTableKind(s.kind), s.slot, s.pin, s.kind);
    };
    std::sort(found.begin(), found.end(),
              [&key](const SignalSource& a, const SignalSource& b) { return key(a) < key(b); });
    return found;
}

size_t CTimingRecording::bytesUsed() const {
    size_t bytes = columns_.size() * sizeof(uint32_t);
    for (const Segment& segment : segments_)
        bytes += sizeof(Segment) + segment.words.size() * sizeof(uint64_t);
    return bytes;
}

}  // namespace analysis
