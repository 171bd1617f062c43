#pragma once
#include <string>
#include <utility>

#include "app/Vortafrm.h"
#include "support/SampleCircuit.h"

// The sample circuit given to a whole window as New and Open give one: through its
// door for a new circuit, as one undo step.
inline SampleCircuit giveSampleCircuit(CVortafrm& window, const std::string& fileName = "") {
    CCircuit circuit;
    const SampleCircuit sample = buildSampleCircuit(circuit);
    window.replaceCircuit(std::move(circuit), fileName);
    return sample;
}
