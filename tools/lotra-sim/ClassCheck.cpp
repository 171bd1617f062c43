#include "tools/lotra-sim/ClassCheck.h"

#include <cerrno>
#include <optional>

#include "analysis/AutomatonComparison.h"
#include "analysis/AutomatonTable.h"
#include "analysis/ReadingOrder.h"
#include "analysis/TextFill.h"
#include "io/CircuitFile.h"
#include "tools/lotra-sim/Automaton.h"
#include "tools/lotra-sim/Behaviour.h"
#include "tools/lotra-sim/CheckTexts.h"
#include "tools/lotra-sim/CircuitInput.h"
#include "tools/lotra-sim/ExpectTable.h"
#include "tools/lotra-sim/Report.h"
#include "tools/lotra-sim/TruthTable.h"

namespace lotrasim {
namespace {

using analysis::fillPattern;

constexpr int kExitDiffers = 1;
constexpr int kExitBadReference = 2;
// Readings of the reference kept at most: 2 to the power 16 combinations of 101
// readings of a few indicators fit, a run of millions of ticks does not.
constexpr uint64_t kMaxReadings = uint64_t{1} << 28;

std::string number(size_t value) {
    return std::to_string(value);
}

struct Verdict {
    bool matches = false;
    std::string verdict;
    std::string details;
};

Verdict incomparable(const std::string& reason) {
    return {false, text::kIncomparable, reason};
}

// What a file is checked against: the readings of a combinational reference, or
// the automaton of a sequential one or of a typed table.
struct Reference {
    std::optional<Behaviour> behaviour;
    std::optional<analysis::Automaton> automaton;
};

// A field of a CSV line, quoted when it holds the separator, a quote or a line break.
std::string csvField(const std::string& field) {
    if (field.find_first_of(";\"\n\r") == std::string::npos) return field;
    std::string quoted = "\"";
    for (const char c : field) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

void printVerdict(std::ostream& out, const std::string& file, const Verdict& verdict, bool csv) {
    if (csv) {
        out << csvField(file) << ';' << csvField(verdict.verdict) << ';'
            << csvField(verdict.details) << '\n';
        return;
    }
    out << file << '\t' << verdict.verdict;
    if (!verdict.details.empty()) out << '\t' << verdict.details;
    out << '\n';
}

Verdict automatonVerdictOf(const analysis::Automaton& reference, const CCircuit& circuit,
                           const std::string& path, const SimOptions& options, std::ostream& err) {
    std::string error;
    const std::optional<analysis::CircuitAutomaton> automaton =
        analysis::circuitAutomaton(circuit, {.clockOrdinal = options.clockOrdinal}, error);
    if (!automaton) return incomparable(error);
    warnOfIgnoredClock(*automaton, options, path, err);
    const analysis::AutomatonVerdict verdict =
        analysis::automatonVerdict(reference, automaton->automaton, options.anyStart);
    return {verdict.matches, verdict.verdict, verdict.details};
}

std::string unreadableReason(const ReadFailure& failure) {
    switch (failure.error) {
        case ENOENT:
            return text::kNoSuchFile;
        case EACCES:
        case EPERM:
            return text::kNoPermission;
        case EISDIR:
            return text::kFolder;
        case ENXIO:
            return text::kSpecialFile;
        default:
            return text::kUnreadable;
    }
}

// "входы 0 1 1, после такта 7: индикатор 2 показывает 05, ожидалось 03".
std::string difference(const Behaviour& reference, uint32_t combination, uint32_t sample,
                       size_t indicator, int shown) {
    std::string words;
    std::string bits;
    for (size_t i = 0; i < reference.inputCount; ++i)
        bits += std::string(i ? " " : "") +
                ((combination >> (reference.inputCount - 1 - i)) & 1u ? '1' : '0');
    if (!bits.empty())
        words =
            fillPattern(reference.inputCount == 1 ? text::kOneInput : text::kInputs, {bits}) + ", ";
    words += sample == 0 ? text::kAfterPowerOn : fillPattern(text::kAfterTick, {number(sample)});
    const std::string which = reference.indicatorCount == 1
                                  ? text::kTheIndicator
                                  : fillPattern(text::kIndicatorNumbered, {number(indicator + 1)});
    const int expected = reference.number(combination, sample, indicator);
    return words + ": " +
           fillPattern(text::kShowsExpected,
                       {which, indicatorText(shown), indicatorText(expected)});
}

// The first reading of the circuit that differs from the reference, in words.
std::optional<std::string> firstDifference(const Behaviour& reference,
                                           const std::vector<uint8_t>& bytes,
                                           const Terminals& terminals) {
    std::optional<std::string> found;
    visitReadings(bytes, terminals, reference.samples,
                  [&](uint32_t combination, uint32_t sample, const std::vector<uint8_t>& shown) {
                      for (size_t k = 0; k < shown.size(); ++k) {
                          if (shown[k] == reference.number(combination, sample, k)) continue;
                          found = difference(reference, combination, sample, k, shown[k]);
                          return false;
                      }
                      return true;
                  });
    return found;
}

Verdict checkFile(const Reference& against, const std::string& path, const SimOptions& options,
                  std::ostream& err) {
    std::vector<uint8_t> bytes;
    if (const std::optional<ReadFailure> failure = readWholeFile(path, bytes))
        return incomparable(unreadableReason(*failure));
    if (bytes.empty()) return incomparable(text::kEmptyFile);
    CCircuit circuit;
    if (!io::decodeCircuitFile(bytes, circuit)) return incomparable(text::kNotACircuit);
    if (against.automaton)
        return automatonVerdictOf(*against.automaton, circuit, path, options, err);
    const Behaviour& reference = *against.behaviour;
    const Terminals terminals = readingOrderTerminals(circuit);
    if (terminals.inputs.size() != reference.inputCount)
        return incomparable(fillPattern(text::kOtherInputCount, {number(terminals.inputs.size()),
                                                                 number(reference.inputCount)}));
    if (terminals.indicators.size() != reference.indicatorCount)
        return incomparable(
            fillPattern(text::kOtherIndicatorCount,
                        {number(terminals.indicators.size()), number(reference.indicatorCount)}));
    if (const std::optional<std::string> found = firstDifference(reference, bytes, terminals))
        return {false, text::kDiffers, *found};
    return {true, text::kMatches, ""};
}

std::optional<Reference> referenceCircuit(const std::string& path, const SimOptions& options,
                                          std::ostream& err) {
    const uint32_t ticks = options.ticks;
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, err)) return std::nullopt;
    CCircuit circuit;
    io::decodeCircuit(bytes, circuit);
    if (circuit.isEmpty()) {
        err << "lotra-sim: the reference '" << path << "' holds no circuit\n";
        return std::nullopt;
    }
    const Terminals terminals = readingOrderTerminals(circuit);
    if (!analysis::triggersInReadingOrder(circuit).empty()) {
        std::string error;
        std::optional<analysis::CircuitAutomaton> automaton =
            analysis::circuitAutomaton(circuit, {.clockOrdinal = options.clockOrdinal}, error);
        if (!automaton) {
            err << "lotra-sim: the reference '" << path << "': " << error << '\n';
            return std::nullopt;
        }
        warnOfIgnoredClock(*automaton, options, path, err);
        return Reference{std::nullopt, std::move(automaton->automaton)};
    }
    if (terminals.indicators.empty()) {
        err << "lotra-sim: the reference '" << path << "' has no indicator to compare\n";
        return std::nullopt;
    }
    if (terminals.inputs.size() > kTruthTableInputLimit) {
        err << "lotra-sim: the reference has " << terminals.inputs.size()
            << " input signals; a check takes at most " << kTruthTableInputLimit << '\n';
        return std::nullopt;
    }
    const uint64_t samples = isSequential(circuit) ? uint64_t{ticks} + 1 : 1;
    const uint64_t readings =
        (uint64_t{1} << terminals.inputs.size()) * samples * terminals.indicators.size();
    if (readings > kMaxReadings) {
        err << "lotra-sim: --ticks " << ticks << " on " << terminals.inputs.size()
            << " inputs is more than a check can keep; ask for fewer ticks\n";
        return std::nullopt;
    }
    return Reference{recordBehaviour(bytes, terminals, static_cast<uint32_t>(samples)),
                     std::nullopt};
}

std::optional<Reference> expectedTable(const std::string& path, bool automaton, std::ostream& err) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes, err)) return std::nullopt;
    std::string error;
    const std::string text(bytes.begin(), bytes.end());
    Reference reference;
    if (automaton)
        reference.automaton = analysis::parseAutomatonTable(text, error);
    else
        reference.behaviour = parseExpectTable(text, error);
    if (reference.automaton || reference.behaviour) return reference;
    err << "lotra-sim: '" << path << "': " << error << '\n';
    return std::nullopt;
}

}  // namespace

int runCheck(const SimOptions& options, std::ostream& out, std::ostream& err) {
    const std::optional<Reference> reference =
        options.checkReference
            ? referenceCircuit(*options.checkReference, options, err)
            : expectedTable(options.expectTable.value_or(options.expectAutomaton.value_or("")),
                            options.expectAutomaton.has_value(), err);
    if (!reference) return kExitBadReference;
    size_t matching = 0;
    for (const std::string& file : options.checkedFiles) {
        const Verdict verdict = checkFile(*reference, file, options, err);
        matching += verdict.matches ? 1 : 0;
        // Each verdict goes out as soon as it is known: a check stopped half way
        // keeps what it found.
        printVerdict(out, file, verdict, options.csv);
        out.flush();
    }
    if (!options.csv)
        out << fillPattern(text::kSummary, {number(matching), number(options.checkedFiles.size())})
            << '\n';
    out.flush();
    return matching == options.checkedFiles.size() ? 0 : kExitDiffers;
}

}  // namespace lotrasim
