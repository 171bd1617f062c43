#include "analysis/TimingRecording.h"

#include <algorithm>
#include <tuple>

#include "analysis/CircuitNaming.h"
#include "model/ElementKinds.h"

namespace analysis {
namespace {

constexpr size_t kWordBits = 64;
constexpr uint32_t kCauseBits = 2;

bool shownByDefault(const CBlockElement& element) {
    const OutputRule rule = kindInfo(element.kind).outputRule;
    return rule == OutputRule::User || rule == OutputRule::Clock || rule == OutputRule::Trigger;
}

bool before(const SignalSource& a, const SignalSource& b) {
    const auto key = [](const SignalSource& s) {
        return std::make_tuple(!isLogicTableKind(s.kind), s.slot, s.pin, s.kind);
    };
    return key(a) < key(b);
}

// The source's pin on its element in the circuit, or nullptr when it is not there.
const Pin* pinOf(const CCircuit& circuit, const SignalSource& source) {
    if (source.pin < 0 || source.pin >= kPinCount) return nullptr;
    const auto pinNumber = static_cast<size_t>(source.pin);
    const Pin* pin = nullptr;
    if (isLogicTableKind(source.kind)) {
        const CLogicElement* element = circuit.logicElement(source.slot);
        if (element && element->kind == source.kind) pin = &element->pins[pinNumber];
    } else {
        const CBlockElement* element = circuit.blockElement(source.slot);
        if (element && element->kind == source.kind) pin = &element->pins[pinNumber];
    }
    return pin && pin->present ? pin : nullptr;
}

template <typename Element>
bool sameProbes(const std::vector<Element>& a, const std::vector<Element>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
        return x.record == y.record && x.value == y.value;
    });
}

constexpr uint8_t kAlwaysCounts = 1;

// Packs the levels into whole words, in probe order, logic table first: the word
// fills in a register and is stored once, so that no bit waits for the one before.
class CBitPacker {
  public:
    explicit CBitPacker(uint64_t* words) : next_(words) {}
    template <typename Probes>
    bool gather(const Probes& probes) {
        return std::all_of(probes.begin(), probes.end(), [this](const auto& probe) {
            if (probe.slot->get() != probe.record) return false;
            word_ |= static_cast<uint64_t>(*probe.value & *probe.mask & 1U) << filled_;
            if (++filled_ == kWordBits) {
                *next_++ = word_;
                word_ = 0;
                filled_ = 0;
            }
            return true;
        });
    }
    void finish() {
        if (filled_ > 0) *next_ = word_;
    }

  private:
    uint64_t* next_;
    uint64_t word_ = 0;
    size_t filled_ = 0;
};

}  // namespace

std::vector<SignalSource> shownByDefault(const CCircuit& circuit) {
    std::vector<SignalSource> shown;
    for (int32_t slot = 0; slot < CCircuit::kLogicSlots; ++slot)
        if (const CLogicElement* element = circuit.logicElement(slot);
            element && kindInfo(element->kind).showsNumber)
            for (int pin = 0; pin < kIndicatorInputs; ++pin)
                if (element->pins[static_cast<size_t>(pin)].present)
                    shown.push_back({element->kind, slot, pin});
    for (int32_t slot = 0; slot < CCircuit::kBlockSlots; ++slot)
        if (const CBlockElement* element = circuit.blockElement(slot);
            element && shownByDefault(*element))
            for (const int pin : {kOutputPin, kSecondOutputPin})
                if (element->pins[static_cast<size_t>(pin)].present)
                    shown.push_back({element->kind, slot, pin});
    return shown;
}

CTimingRecording::CTimingRecording(uint64_t keptColumns)
    : kept_(std::max<uint64_t>(keptColumns, 1)) {}

void CTimingRecording::startAtPowerOn(const CCircuit& circuit) {
    columns_.clear();
    segments_.clear();
    endColumn_ = 0;
    tick_ = 0;
    recording_ = true;
    relayout_ = true;
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

void CTimingRecording::track(const SignalSource& source) {
    if (std::find(tracked_.begin(), tracked_.end(), source) != tracked_.end()) return;
    tracked_.push_back(source);
    relayout_ = true;
}

CTimingRecording::Layout CTimingRecording::layoutOf(const CCircuit& circuit) const {
    Layout layout;
    layout.circuit = &circuit;
    layout.sources = shownByDefault(circuit);
    for (const SignalSource& source : tracked_)
        if (pinOf(circuit, source) &&
            std::find(layout.sources.begin(), layout.sources.end(), source) == layout.sources.end())
            layout.sources.push_back(source);
    std::sort(layout.sources.begin(), layout.sources.end(), before);
    for (const SignalSource& source : layout.sources) {
        const auto pinNumber = static_cast<size_t>(source.pin);
        const auto slot = static_cast<size_t>(source.slot);
        if (isLogicTableKind(source.kind)) {
            const auto& held = circuit.logicElements[slot];
            const Pin& pin = held->pins[pinNumber];
            const bool connectedToo = kindInfo(source.kind).showsNumber;
            layout.logic.push_back(
                {&held, held.get(), &pin.value, connectedToo ? &pin.connected : &kAlwaysCounts});
        } else {
            const auto& held = circuit.blockElements[slot];
            layout.block.push_back(
                {&held, held.get(), &held->pins[pinNumber].value, &kAlwaysCounts});
        }
    }
    layout.words = (layout.sources.size() + kWordBits - 1) / kWordBits;
    return layout;
}

bool CTimingRecording::Layout::sameRecords(const Layout& other) const {
    return circuit == other.circuit && sources == other.sources && sameProbes(logic, other.logic) &&
           sameProbes(block, other.block);
}

bool CTimingRecording::sample(const Layout& layout, uint64_t* words) {
    CBitPacker packer(words);
    if (!packer.gather(layout.logic) || !packer.gather(layout.block)) return false;
    packer.finish();
    return true;
}

// A record that went, or (once told of a change) a source that came or went, starts
// a segment with a layout of its own: the rows of what went end there, the rows of
// what came begin.
void CTimingRecording::record(const CCircuit& circuit, ColumnCause cause) {
    bool fits = !relayout_ && !segments_.empty() && segments_.back().layout.circuit == &circuit;
    if (relayout_ && !segments_.empty()) {
        Layout now = layoutOf(circuit);
        if (!now.sameRecords(segments_.back().layout))
            segments_.push_back({std::move(now), endColumn_, {}});
        fits = true;
    }
    relayout_ = false;
    if (fits) {
        Segment& segment = segments_.back();
        if (!sample(segment.layout, segment.words.appendUnset(segment.layout.words))) {
            segment.words.dropBack(segment.layout.words);
            fits = false;
        }
    }
    if (!fits) {
        segments_.push_back({layoutOf(circuit), endColumn_, {}});
        Segment& segment = segments_.back();
        sample(segment.layout, segment.words.appendUnset(segment.layout.words));
    }
    const uint32_t packed = tick_ << kCauseBits | static_cast<uint32_t>(cause);
    columns_.append(&packed, 1);
    ++endColumn_;
    ++version_;
    if (columns_.size() > kept_) dropOldest();
}

void CTimingRecording::dropOldest() {
    columns_.dropFront(1);
    Segment& oldest = segments_.front();
    oldest.words.dropFront(oldest.layout.words);
    ++oldest.firstColumn;
    if (segments_.size() > 1 && oldest.firstColumn == segments_[1].firstColumn)
        segments_.erase(segments_.begin());
}

TimingColumn CTimingRecording::column(uint64_t n) const {
    const uint32_t packed = columns_[static_cast<size_t>(n - firstColumn())];
    return {packed >> kCauseBits, static_cast<ColumnCause>(packed & ((1U << kCauseBits) - 1))};
}

uint64_t CTimingRecording::firstColumnAtTick(uint32_t tick) const {
    uint64_t low = firstColumn();
    uint64_t high = endColumn_;
    while (low < high) {
        const uint64_t middle = low + (high - low) / 2;
        if (column(middle).tick < tick)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

const CTimingRecording::Segment* CTimingRecording::segmentOf(uint64_t column) const {
    if (column < firstColumn() || column >= endColumn_) return nullptr;
    const auto after = std::upper_bound(
        segments_.begin(), segments_.end(), column,
        [](uint64_t n, const Segment& segment) { return n < segment.firstColumn; });
    return after == segments_.begin() ? nullptr : &*(after - 1);
}

std::optional<size_t> CTimingRecording::bitOf(const Segment& segment, const SignalSource& source) {
    const std::vector<SignalSource>& sources = segment.layout.sources;
    const auto found = std::lower_bound(sources.begin(), sources.end(), source, before);
    if (found == sources.end() || !(*found == source)) return std::nullopt;
    return static_cast<size_t>(found - sources.begin());
}

std::optional<bool> CTimingRecording::level(const SignalSource& source, uint64_t column) const {
    const Segment* segment = segmentOf(column);
    const std::optional<size_t> bit = segment ? bitOf(*segment, source) : std::nullopt;
    if (!bit) return std::nullopt;
    const uint64_t word =
        segment->words[static_cast<size_t>(column - segment->firstColumn) * segment->layout.words +
                       *bit / kWordBits];
    return (word >> (*bit % kWordBits) & 1U) != 0;
}

void CTimingRecording::levels(const SignalSource& source, uint64_t first, uint64_t count,
                              std::vector<int8_t>& out) const {
    out.assign(static_cast<size_t>(count), -1);
    const uint64_t end = std::min(first + count, endColumn_);
    uint64_t n = std::max(first, firstColumn());
    while (n < end) {
        const Segment* segment = segmentOf(n);
        const auto next = static_cast<size_t>(segment - segments_.data()) + 1;
        const uint64_t segmentEnd =
            next < segments_.size() ? segments_[next].firstColumn : endColumn_;
        const uint64_t stop = std::min(end, segmentEnd);
        if (const std::optional<size_t> bit = bitOf(*segment, source)) {
            const size_t words = segment->layout.words;
            for (uint64_t c = n; c < stop; ++c) {
                const uint64_t word =
                    segment->words[static_cast<size_t>(c - segment->firstColumn) * words +
                                   *bit / kWordBits];
                out[static_cast<size_t>(c - first)] =
                    static_cast<int8_t>(word >> (*bit % kWordBits) & 1U);
            }
        }
        n = stop;
    }
}

std::vector<SignalSource> CTimingRecording::sources() const {
    std::vector<SignalSource> found;
    for (const Segment& segment : segments_)
        for (const SignalSource& source : segment.layout.sources)
            if (std::find(found.begin(), found.end(), source) == found.end())
                found.push_back(source);
    std::sort(found.begin(), found.end(), before);
    return found;
}

size_t CTimingRecording::bytesUsed() const {
    size_t bytes = columns_.bytesUsed();
    for (const Segment& segment : segments_)
        bytes += sizeof(Segment) + segment.words.bytesUsed() +
                 segment.layout.sources.capacity() * sizeof(SignalSource) +
                 segment.layout.logic.capacity() * sizeof(Probe<CLogicElement>) +
                 segment.layout.block.capacity() * sizeof(Probe<CBlockElement>);
    return bytes;
}

}  // namespace analysis
