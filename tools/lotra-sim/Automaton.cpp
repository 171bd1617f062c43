#include "tools/lotra-sim/Automaton.h"

#include "analysis/AutomatonReport.h"
#include "tools/lotra-sim/CheckTexts.h"

namespace lotrasim {

int printAutomaton(const CCircuit& circuit, const SimOptions& options, std::ostream& out,
                   std::ostream& err) {
    std::string error;
    const std::optional<analysis::CircuitAutomaton> automaton = analysis::circuitAutomaton(
        circuit, {.clockOrdinal = options.clockOrdinal, .allStates = options.allStates}, error);
    if (!automaton) {
        err << "lotra-sim: " << error << '\n';
        return 2;
    }
    warnOfIgnoredClock(*automaton, options, "", err);
    const analysis::AutomatonReportOptions report{.letters = options.letters};
    out << (options.json  ? analysis::automatonJson(*automaton)
            : options.dot ? analysis::automatonDot(*automaton, report)
                          : analysis::automatonText(*automaton, report));
    out.flush();
    return 0;
}

void warnOfIgnoredClock(const analysis::CircuitAutomaton& automaton, const SimOptions& options,
                        const std::string& file, std::ostream& err) {
    if (!automaton.clockIgnored) return;
    err << "lotra-sim: " << (file.empty() ? "" : "'" + file + "': ") << "--clock "
        << options.clockOrdinal << text::kClockIgnored << '\n';
}

}  // namespace lotrasim
