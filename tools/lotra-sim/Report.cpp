#include "tools/lotra-sim/Report.h"

namespace lotrasim {
namespace {

void appendLine(std::string& out, char table, size_t slot, ElementKind kind, const Pins& pins) {
    out += table + std::to_string(slot) + ' ' + kindName(kind);
    for (int p = 0; p < kPinCount; ++p) {
        if (pins[p].present != 1) continue;
        out += ' ' + std::to_string(p) + '=' + std::to_string(pins[p].value);
    }
    if (kindInfo(kind).showsNumber) out += " shows=" + indicatorText(indicatorNumber(pins));
    out += '\n';
}

}  // namespace

const char* kindName(ElementKind kind) {
    return kindInfo(kind).name;
}

std::string indicatorText(int number) {
    return (number < 10 ? "0" : "") + std::to_string(number);
}

std::string circuitReport(const CCircuit& circuit) {
    std::string out;
    for (size_t slot = 0; slot < circuit.logicElements.size(); ++slot)
        if (const auto& e = circuit.logicElements[slot])
            appendLine(out, 'L', slot, e->kind, e->pins);
    for (size_t slot = 0; slot < circuit.blockElements.size(); ++slot)
        if (const auto& e = circuit.blockElements[slot])
            appendLine(out, 'B', slot, e->kind, e->pins);
    return out;
}

}  // namespace lotrasim
