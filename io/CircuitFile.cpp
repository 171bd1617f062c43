#include "io/CircuitFile.h"

#include "io/FileBytes.h"
#include "io/FileReplacement.h"

namespace io {

bool writeCircuit(const CCircuit& circuit, int fd) {
    return writeFileBytes(fd, encodeCircuit(circuit));
}

void readCircuit(int fd, CCircuit& circuit) {
    std::vector<uint8_t> bytes;
    readFileBytes(fd, bytes);  // a read error ends the file where it happened
    decodeCircuit(bytes, circuit);
}

bool decodeCircuitFile(std::span<const uint8_t> bytes, CCircuit& circuit) {
    decodeCircuit(bytes, circuit);
    return bytes.empty() || !circuit.isEmpty();
}

bool writeCircuitFile(const std::string& path, const CCircuit& circuit) {
    return replaceFile(path, encodeCircuit(circuit));
}

}  // namespace io
