#include "analysis/ValueChangeDump.h"

#include "model/ElementKinds.h"

namespace analysis {
namespace {

constexpr int kIndicatorBits = 5;

std::string signalName(const Probe& probe) {
    std::string name = probe.table + std::to_string(probe.slot) + '_' + kindInfo(probe.kind).name;
    return name + (probe.isIndicator() ? "_number" : "_pin" + std::to_string(probe.pin));
}

std::string bits(int value) {
    std::string text(kIndicatorBits, '0');
    for (int bit = 0; bit < kIndicatorBits; ++bit)
        if (value & (1 << bit)) text[kIndicatorBits - 1 - bit] = '1';
    return text;
}

}  // namespace

// Bijective base 94: every length is used in full before the next one starts.
std::string vcdIdentifier(size_t n) {
    constexpr size_t kFirst = '!';
    constexpr size_t kCount = '~' - '!' + 1;
    std::string id;
    for (++n; n > 0; n /= kCount) {
        --n;
        id += static_cast<char>(kFirst + n % kCount);
    }
    return id;
}

CValueChangeDump::CValueChangeDump(std::ostream& out, const CCircuit& circuit)
    : CValueChangeDump(out, circuitProbes(circuit), Unit::Tick) {}

CValueChangeDump::CValueChangeDump(std::ostream& out, std::vector<Probe> probes, Unit unit)
    : out_(out), probes_(std::move(probes)) {
    out_ << "$version lotra-sim $end\n"
         << "$timescale " << (unit == Unit::Tick ? "100ms" : "10ms") << " $end\n"
         << "$scope module circuit $end\n";
    for (size_t n = 0; n < probes_.size(); ++n) {
        ids_.push_back(vcdIdentifier(n));
        const Probe& probe = probes_[n];
        if (probe.isIndicator()) {
            out_ << "$var wire " << kIndicatorBits << ' ' << ids_[n] << ' ' << signalName(probe)
                 << " [" << kIndicatorBits - 1 << ":0] $end\n";
        } else {
            out_ << "$var wire 1 " << ids_[n] << ' ' << signalName(probe) << " $end\n";
        }
    }
    out_ << "$upscope $end\n$enddefinitions $end\n";
    last_.assign(probes_.size(), 0);
}

void CValueChangeDump::writeValue(const Probe& probe, const std::string& id, int value) {
    if (probe.isIndicator()) {
        out_ << 'b' << bits(value) << ' ' << id << '\n';
    } else {
        out_ << value << id << '\n';
    }
}

void CValueChangeDump::sample(const CCircuit& circuit, uint64_t time) {
    std::vector<int> values;
    values.reserve(probes_.size());
    for (const Probe& probe : probes_) values.push_back(probeValue(circuit, probe));
    sample(values, time);
}

void CValueChangeDump::sample(const std::vector<int>& values, uint64_t time) {
    if (!started_) {
        out_ << '#' << time << "\n$dumpvars\n";
        for (size_t n = 0; n < probes_.size(); ++n) {
            last_[n] = values[n];
            writeValue(probes_[n], ids_[n], last_[n]);
        }
        out_ << "$end\n";
        started_ = true;
        lastTime_ = time;
        return;
    }
    for (size_t n = 0; n < probes_.size(); ++n) {
        const int value = values[n];
        if (value == last_[n]) continue;
        if (lastTime_ != time) out_ << '#' << time << '\n';
        lastTime_ = time;
        writeValue(probes_[n], ids_[n], value);
        last_[n] = value;
    }
}

void CValueChangeDump::finish(uint64_t time) {
    if (time > lastTime_) out_ << '#' << time << '\n';
    lastTime_ = time;
}

}  // namespace analysis
