#pragma once

class CCircuit;

namespace web {

// Whether the recovery file brings back this very circuit at the next start; an
// empty circuit needs no recovery file at all.
bool recoveryHolds(const CCircuit& circuit);

}  // namespace web
