#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/Probes.h"
#include "model/Circuit.h"

namespace analysis {

// Writes a run of the circuit as a value change dump (IEEE 1364), which waveform
// viewers such as GTKWave open: one time unit per 100 ms generator tick, a
// one-bit wire per output pin and a five-bit vector per indicator's number, named
// like L3_LogicElement_pin9 or L1_Indicator_number.
class CValueChangeDump {
  public:
    // Writes the header; the circuit fixes the set of signals.
    CValueChangeDump(std::ostream& out, const CCircuit& circuit);
    // Of the probes only; with ten units a tick (10 ms), so that changes between
    // two ticks have times of their own.
    enum class Unit { Tick, TenthOfTick };
    CValueChangeDump(std::ostream& out, std::vector<Probe> probes, Unit unit);

    // The levels at `time`: all of them at the first call, then only those that
    // changed. Times must increase.
    void sample(const CCircuit& circuit, uint64_t time);
    // The same with the probes' values given, in probe order.
    void sample(const std::vector<int>& values, uint64_t time);
    // Marks the end of the run, so that a viewer shows the last values up to it.
    void finish(uint64_t time);

  private:
    void writeValue(const Probe& probe, const std::string& id, int value);

    std::ostream& out_;
    std::vector<Probe> probes_;
    std::vector<std::string> ids_;
    std::vector<int> last_;
    bool started_ = false;
    uint64_t lastTime_ = 0;
};

// The identifier code of the n-th signal: printable characters from '!' to '~',
// one for the first 94 signals, more after.
std::string vcdIdentifier(size_t n);

}  // namespace analysis
