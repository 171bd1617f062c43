#include "tools/lotra-sim/Automaton.h"

#include "analysis/AutomatonReport.h"

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
    const analysis::AutomatonReportOptions report{.letters = options.letters};
    out << (options.json  ? analysis::automatonJson(*automaton)
            : options.dot ? analysis::automatonDot(*automaton, report)
                          : analysis::automatonText(*automaton, report));
    out.flush();
    return 0;
}

}  // namespace lotrasim
