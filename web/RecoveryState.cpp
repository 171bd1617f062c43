#include "web/RecoveryState.h"

#include <cstdint>
#include <vector>

#include "io/CircuitFile.h"
#include "io/FileCreation.h"
#include "io/Recovery.h"
#include "model/Circuit.h"

namespace web {

bool recoveryHolds(const CCircuit& circuit) {
    const io::ExistingFile file = io::openExistingFile(io::kRecoveryFileName);
    std::vector<uint8_t> stored;
    if (file.isOpen() && !io::readWholeFile(file, stored)) return false;
    if (stored.empty()) return circuit.isEmpty();
    return stored == io::encodeCircuit(circuit);
}

}  // namespace web
