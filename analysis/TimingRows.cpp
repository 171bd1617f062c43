#include "analysis/TimingRows.h"

#include <algorithm>

#include "analysis/CircuitNaming.h"
#include "analysis/ReadingOrder.h"

namespace analysis {
namespace {

TimingRow signal(std::string name, ElementKind kind, int32_t slot, int pin = kOutputPin) {
    return {std::move(name), {{kind, slot, pin}}, false};
}

// Every row the circuit can give, by kind in the order the defaults take them.
struct NamedSignals {
    std::vector<TimingRow> inputs, generators, triggers, inverseTriggers, indicators, indicatorBits,
        gates, summers;
};

// A gate is G and its number among all gates in reading order, as the functions
// name a gate on a loop; one wired to nothing keeps the functions' F name.
std::string gateName(const CircuitNaming& naming, int32_t slot, size_t readingIndex) {
    for (const CircuitFunctionName& function : naming.functions)
        if (function.role == FunctionRole::GateOutput && function.slot == slot)
            return function.name;
    return numberedName("G", readingIndex);
}

void nameIndicators(const CCircuit& circuit, NamedSignals& named) {
    const std::vector<int32_t> indicators = indicatorsInReadingOrder(circuit);
    for (size_t i = 0; i < indicators.size(); ++i) {
        const CLogicElement& element = *circuit.logicElement(indicators[i]);
        TimingRow number{numberedName("Y", i), {}, true};
        for (int pin = 0; pin < kIndicatorInputs; ++pin) {
            if (!element.pins[static_cast<size_t>(pin)].present) continue;
            number.bits.push_back({element.kind, indicators[i], pin});
            if (element.pins[static_cast<size_t>(pin)].connected)
                named.indicatorBits.push_back(signal(number.name + "." + std::to_string(1 << pin),
                                                     element.kind, indicators[i], pin));
        }
        named.indicators.push_back(std::move(number));
    }
}

NamedSignals nameSignals(const CCircuit& circuit) {
    NamedSignals named;
    const std::vector<int32_t> inputs = inputSignalsInReadingOrder(circuit);
    for (size_t i = 0; i < inputs.size(); ++i)
        named.inputs.push_back(signal(numberedName("X", i), EntrSignal, inputs[i]));
    const std::vector<int32_t> generators = blockSlotsInReadingOrder(circuit, OutputRule::Clock);
    for (size_t i = 0; i < generators.size(); ++i)
        named.generators.push_back(signal(numberedName("ГТИ", i), GTI, generators[i]));
    const std::vector<int32_t> triggers = triggersInReadingOrder(circuit);
    for (size_t i = 0; i < triggers.size(); ++i) {
        named.triggers.push_back(signal(numberedName("Q", i), Trigger, triggers[i]));
        named.inverseTriggers.push_back(
            signal(numberedName("Q", i) + "'", Trigger, triggers[i], kSecondOutputPin));
    }
    nameIndicators(circuit, named);
    const CircuitNaming naming = nameCircuit(circuit);
    const std::vector<int32_t> gates = logicSlotsInReadingOrder(circuit, OutputRule::Gate);
    for (size_t i = 0; i < gates.size(); ++i)
        named.gates.push_back(signal(gateName(naming, gates[i], i), LogicElement, gates[i]));
    const std::vector<int32_t> summers = blockSlotsInReadingOrder(circuit, OutputRule::Summer);
    for (size_t i = 0; i < summers.size(); ++i) {
        named.summers.push_back(signal(numberedName("S", i), Summer, summers[i], kSummerSum));
        named.summers.push_back(signal(numberedName("P", i), Summer, summers[i], kSummerCarryOut));
    }
    return named;
}

void append(std::vector<TimingRow>& to, const std::vector<TimingRow>& rows) {
    to.insert(to.end(), rows.begin(), rows.end());
}

std::vector<TimingRow> everyNamedRow(const CCircuit& circuit) {
    const NamedSignals named = nameSignals(circuit);
    std::vector<TimingRow> all;
    for (const auto* rows :
         {&named.inputs, &named.generators, &named.triggers, &named.inverseTriggers,
          &named.indicators, &named.indicatorBits, &named.gates, &named.summers})
        append(all, *rows);
    return all;
}

const TimingRow* findBits(const std::vector<TimingRow>& rows,
                          const std::vector<SignalSource>& bits) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [&bits](const TimingRow& row) { return row.bits == bits; });
    return found == rows.end() ? nullptr : &*found;
}

// A number's bit weighs as its indicator input does; the bits of a state are
// written first bit first.
int weightOf(const TimingRow& row, size_t bit) {
    if (row.bus) return 1 << row.bits[bit].pin;
    return 1 << static_cast<int>(row.bits.size() - 1 - bit);
}

}  // namespace

std::optional<int> rowValue(const CTimingRecording& recording, const TimingRow& row,
                            uint64_t column) {
    std::optional<int> value;
    for (size_t bit = 0; bit < row.bits.size(); ++bit) {
        const std::optional<bool> level = recording.level(row.bits[bit], column);
        if (level) value = value.value_or(0) + (*level ? weightOf(row, bit) : 0);
    }
    return value;
}

std::string valueText(const TimingRow& row, int value) {
    if (row.bus || row.bits.size() < 2) return std::to_string(value);
    std::string bits;
    for (size_t bit = 0; bit < row.bits.size(); ++bit)
        bits += (value & weightOf(row, bit)) ? '1' : '0';
    return bits;
}

void rowValues(const CTimingRecording& recording, const TimingRow& row, uint64_t first,
               uint64_t count, std::vector<int>& out) {
    out.assign(static_cast<size_t>(count), -1);
    std::vector<int8_t> levels;
    for (size_t bit = 0; bit < row.bits.size(); ++bit) {
        recording.levels(row.bits[bit], first, count, levels);
        const int weight = weightOf(row, bit);
        for (size_t n = 0; n < levels.size(); ++n)
            if (levels[n] >= 0) out[n] = std::max(out[n], 0) + levels[n] * weight;
    }
}

std::vector<TimingRow> defaultTimingRows(const CCircuit& circuit) {
    const NamedSignals named = nameSignals(circuit);
    std::vector<TimingRow> rows = named.inputs;
    append(rows, named.generators);
    append(rows, named.triggers);
    append(rows, named.indicators);
    return rows;
}

std::vector<TimingRow> signalsToAdd(const CCircuit& circuit) {
    const NamedSignals named = nameSignals(circuit);
    std::vector<TimingRow> rows = named.gates;
    append(rows, named.indicators);
    for (size_t i = 0; i < named.triggers.size(); ++i) {
        rows.push_back(named.triggers[i]);
        rows.push_back(named.inverseTriggers[i]);
    }
    append(rows, named.summers);
    append(rows, named.inputs);
    append(rows, named.generators);
    append(rows, named.indicatorBits);
    return rows;
}

TimingRow stateRow(const CCircuit& circuit) {
    TimingRow state{"Состояние", {}, false};
    for (const int32_t trigger : triggersInReadingOrder(circuit))
        state.bits.push_back({Trigger, trigger, kOutputPin});
    return state;
}

void CTimingRows::follow(const CCircuit& circuit, CTimingRecording& recording) {
    const std::vector<TimingRow> named = everyNamedRow(circuit);
    const std::vector<SignalSource> recorded = recording.sources();
    const auto stillShown = [&](const TimingRow& row) {
        return findBits(named, row.bits) ||
               std::any_of(row.bits.begin(), row.bits.end(), [&](const SignalSource& bit) {
                   return std::find(recorded.begin(), recorded.end(), bit) != recorded.end();
               });
    };
    std::erase_if(rows_, [&](const TimingRow& row) { return !stillShown(row); });
    for (TimingRow& row : rows_)
        if (const TimingRow* now = findBits(named, row.bits)) row.name = now->name;
    for (const TimingRow& row : defaultTimingRows(circuit))
        if (!findBits(rows_, row.bits) &&
            std::find(dismissed_.begin(), dismissed_.end(), row.bits) == dismissed_.end())
            rows_.push_back(row);
    state_ = stateRow(circuit);
    for (const TimingRow& row : rows_)
        for (const SignalSource& bit : row.bits) recording.track(bit);
}

void CTimingRows::remove(size_t row) {
    if (row >= rows_.size()) return;
    dismissed_.push_back(rows_[row].bits);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
}

void CTimingRows::moveUp(size_t row) {
    if (row > 0 && row < rows_.size()) std::swap(rows_[row - 1], rows_[row]);
}

void CTimingRows::moveDown(size_t row) {
    if (row + 1 < rows_.size()) std::swap(rows_[row], rows_[row + 1]);
}

void CTimingRows::split(size_t row, const CCircuit& circuit) {
    if (row >= rows_.size() || !rows_[row].bus) return;
    const TimingRow number = rows_[row];
    std::vector<TimingRow> bits;
    for (const TimingRow& candidate : nameSignals(circuit).indicatorBits)
        if (std::find(number.bits.begin(), number.bits.end(), candidate.bits.front()) !=
                number.bits.end() &&
            !findBits(rows_, candidate.bits))
            bits.push_back(candidate);
    if (bits.empty()) return;
    dismissed_.push_back(number.bits);
    rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(row));
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(row), bits.begin(), bits.end());
}

void CTimingRows::add(const TimingRow& row, CTimingRecording& recording) {
    std::erase(dismissed_, row.bits);
    if (findBits(rows_, row.bits)) return;
    rows_.push_back(row);
    for (const SignalSource& bit : row.bits) recording.track(bit);
}

}  // namespace analysis
