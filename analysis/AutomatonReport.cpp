#include "analysis/AutomatonReport.h"

#include <map>

#include "analysis/AutomatonComparison.h"
#include "analysis/AutomatonTexts.h"
#include "analysis/TextFill.h"

namespace analysis {
namespace {

// Graphs with more arrows than this are drawn with straight ones.
constexpr size_t kCurvedArrowLimit = 150;

std::string letterName(size_t state) {
    std::string name;
    for (size_t n = state + 1; n > 0; n = (n - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (n - 1) % 26));
    return name;
}

// "02" for one indicator, "02,31" for two, "-" for none.
std::string outputText(const Automaton& a, size_t state, uint32_t input) {
    if (a.outputCount == 0) return "-";
    std::string text;
    for (size_t k = 0; k < a.outputCount; ++k)
        text += (k ? "," : "") + twoDigits(a.output(state, input)[k]);
    return text;
}

std::string joinedNames(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : " ") + name;
    return text.empty() ? texts::kNone : text;
}

std::string outputNames(size_t count) {
    std::vector<std::string> names;
    for (size_t k = 0; k < count; ++k) names.push_back("Y" + std::to_string(k + 1));
    return joinedNames(names);
}

// 1 состояние, 2 состояния, 5 состояний.
std::string statesCounted(size_t n) {
    const size_t tens = n % 100;
    const size_t last = n % 10;
    const char* word = (tens >= 11 && tens <= 14) || last == 0 || last >= 5 ? "состояний"
                       : last == 1                                          ? "состояние"
                                                                            : "состояния";
    return std::to_string(n) + " " + word;
}

std::string tableText(const CircuitAutomaton& circuit, bool letters) {
    const Automaton& a = circuit.automaton;
    const bool moore = circuit.kind == AutomatonKind::Moore;
    std::string text = texts::kTableHeader;
    if (moore) text += "/" + outputNames(a.outputCount);
    for (uint32_t v = 0; v < a.vectors(); ++v)
        text += '\t' + (a.inputNames.empty()
                            ? std::string("-")
                            : joinedNames(a.inputNames) + "=" + inputBits(v, a.inputNames.size()));
    text += '\n';
    for (size_t s = 0; s < a.stateCount(); ++s) {
        text += stateLabel(a, s, letters);
        if (moore) text += "/" + outputText(a, s, 0);
        for (uint32_t v = 0; v < a.vectors(); ++v) {
            text += '\t' + stateLabel(a, a.nextState(s, v), letters);
            if (!moore) text += "/" + outputText(a, s, v);
        }
        text += '\n';
    }
    return text;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

}  // namespace

std::string stateLabel(const Automaton& automaton, size_t state, bool letters) {
    const std::string& bits = automaton.states[state];
    return letters ? letterName(state) + " (" + bits + ")" : bits;
}

std::string automatonText(const CircuitAutomaton& circuit, const AutomatonReportOptions& options) {
    const Automaton& a = circuit.automaton;
    if (circuit.kind == AutomatonKind::Combinational)
        return std::string(texts::kCombinational) + '\n';
    std::string text =
        std::string(circuit.kind == AutomatonKind::Moore ? texts::kMoore : texts::kMealy) + ": " +
        statesCounted(a.stateCount()) + ", " + texts::kMinimalStates + " " +
        std::to_string(circuit.minimalStates) + ".\n";
    text += std::string(texts::kInputsLabel) + ": " + joinedNames(a.inputNames) + ". " +
            texts::kStateLabel + ": " + joinedNames(a.variableNames) + ". " + texts::kOutputsLabel +
            ": " + outputNames(a.outputCount) + ".\n";
    text += std::string(texts::kStepLabel) + ": " + circuit.step + ".\n";
    text +=
        std::string(texts::kStartLabel) + ": " + stateLabel(a, a.initial, options.letters) + ".\n";
    if (circuit.unsettled > 0)
        text += fillPattern(texts::kUnsettled, {std::to_string(circuit.unsettled)}) + '\n';
    return text + '\n' + tableText(circuit, options.letters);
}

std::string automatonDot(const CircuitAutomaton& circuit, const AutomatonReportOptions& options) {
    const Automaton& a = circuit.automaton;
    const bool moore = circuit.kind != AutomatonKind::Mealy;
    // One arrow per pair of states, labelled with every input that takes it.
    std::string arrows;
    size_t arrowCount = 0;
    for (size_t s = 0; s < a.stateCount(); ++s) {
        std::map<uint32_t, std::string> labels;
        for (uint32_t v = 0; v < a.vectors(); ++v) {
            std::string label = inputBits(v, a.inputNames.size());
            if (!moore) label += "/" + outputText(a, s, v);
            std::string& joined = labels[a.nextState(s, v)];
            joined += (joined.empty() ? "" : "\n") + label;
        }
        for (const auto& [to, label] : labels)
            arrows += "  s" + std::to_string(s) + " -> s" + std::to_string(to) +
                      " [label=" + quoted(label) + "];\n";
        arrowCount += labels.size();
    }
    std::string dot = "digraph automaton {\n  rankdir=LR;\n";
    // Curved labelled arrows cost dot's layout about a minute for 600 of them (64
    // states): a larger graph gets straight arrows and bounded rank searches, which
    // lay it out in about half a second.
    if (arrowCount > kCurvedArrowLimit)
        dot += "  splines=line; nslimit=1; nslimit1=1; mclimit=0.1;\n";
    dot +=
        "  node [shape=circle, fontname=\"DejaVu Sans\"];\n"
        "  edge [fontname=\"DejaVu Sans\", fontsize=10];\n"
        "  start [shape=point, width=0.12];\n";
    for (size_t s = 0; s < a.stateCount(); ++s) {
        std::string label = stateLabel(a, s, options.letters);
        if (moore) label += "\n" + outputText(a, s, 0);
        dot += "  s" + std::to_string(s) + " [label=" + quoted(label) + "];\n";
    }
    dot += "  start -> s" + std::to_string(a.initial) + ";\n";
    return dot + arrows + "}\n";
}

std::string automatonJson(const CircuitAutomaton& circuit) {
    const Automaton& a = circuit.automaton;
    const char* kind = circuit.kind == AutomatonKind::Moore   ? "moore"
                       : circuit.kind == AutomatonKind::Mealy ? "mealy"
                                                              : "combinational";
    std::string json = std::string(R"({"kind": ")") + kind + R"(", "inputs": )" +
                       std::to_string(a.inputNames.size()) +
                       ", \"outputs\": " + std::to_string(a.outputCount) +
                       ", \"state_variables\": " + std::to_string(a.variableNames.size()) +
                       ", \"initial\": " + quoted(a.states[a.initial]) + ", \"states\": [";
    for (size_t s = 0; s < a.stateCount(); ++s) json += (s ? ", " : "") + quoted(a.states[s]);
    json += "], \"transitions\": [";
    for (size_t s = 0; s < a.stateCount(); ++s)
        for (uint32_t v = 0; v < a.vectors(); ++v) {
            json += std::string(s || v ? ", " : "") + "{\"from\": " + quoted(a.states[s]) +
                    ", \"input\": " + quoted(inputBits(v, a.inputNames.size())) +
                    ", \"to\": " + quoted(a.states[a.nextState(s, v)]) + ", \"output\": [";
            for (size_t k = 0; k < a.outputCount; ++k)
                json += (k ? ", " : "") + std::to_string(a.output(s, v)[k]);
            json += "]}";
        }
    return json + "], \"minimal_states\": " + std::to_string(circuit.minimalStates) + "}\n";
}

}  // namespace analysis
