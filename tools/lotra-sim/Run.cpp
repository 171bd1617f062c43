#include "tools/lotra-sim/Run.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

#include "io/CircuitFile.h"
#include "io/FileBytes.h"
#include "io/FileDescriptor.h"
#include "sim/Simulator.h"
#include "tools/lotra-sim/CircuitPicture.h"
#include "tools/lotra-sim/Report.h"
#include "tools/lotra-sim/TruthTable.h"
#include "tools/lotra-sim/ValueChangeDump.h"

namespace lotrasim {
namespace {

constexpr int kExitFailedWrite = 1;
constexpr int kExitBadInput = 2;

// The whole file, or nothing with the reason on `err`.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err) {
    const io::CFileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.isOpen()) {
        err << "lotra-sim: cannot open '" << path << "': " << std::strerror(errno) << '\n';
        return false;
    }
    const bool complete = io::readFileBytes(file.get(), bytes);
    const int error = errno;
    if (!complete)
        err << "lotra-sim: cannot read '" << path << "': " << std::strerror(error) << '\n';
    return complete;
}

// Writes the value change dump of the run as it goes; a file that cannot be
// opened is reported before anything runs.
class CDumpFile {
  public:
    explicit CDumpFile(const std::optional<std::string>& path) : path_(path) {
        if (path_) file_.open(*path_, std::ios::binary | std::ios::trunc);
    }
    bool opened() const { return !path_ || file_.is_open(); }
    void start(const CCircuit& circuit) {
        if (path_) dump_.emplace(file_, circuit);
    }
    void sample(const CCircuit& circuit, uint64_t time) {
        if (dump_) dump_->sample(circuit, time);
    }
    bool finish(uint64_t time) {
        if (!dump_) return true;
        dump_->finish(time);
        file_.close();
        return !file_.fail();
    }

  private:
    const std::optional<std::string>& path_;
    std::ofstream file_;
    std::optional<CValueChangeDump> dump_;
};

bool cannotWrite(std::ostream& err, const std::string& path, const std::string& reason = {}) {
    err << "lotra-sim: cannot write '" << path << "'" << (reason.empty() ? "" : ": ") << reason
        << '\n';
    return false;
}

int runTruthTable(const CCircuit& circuit, std::ostream& out, std::ostream& err) {
    std::string error;
    if (!printTruthTable(circuit, out, error)) {
        err << "lotra-sim: " << error << '\n';
        return kExitBadInput;
    }
    out.flush();
    return 0;
}

}  // namespace

int run(const SimOptions& options, std::ostream& out, std::ostream& err) {
    if (options.pngPath && !picturesAvailable()) {
        err << "lotra-sim: --png: this lotra-sim was built without Qt and draws no pictures\n";
        return kExitBadInput;
    }
    std::vector<uint8_t> bytes;
    if (!readWholeFile(options.file, bytes, err)) return kExitBadInput;
    CCircuit circuit;
    io::decodeCircuit(bytes, circuit);
    if (options.truthTable) return runTruthTable(circuit, out, err);

    CDumpFile dump(options.vcdPath);
    if (!dump.opened()) {
        cannotWrite(err, *options.vcdPath, std::strerror(errno));
        return kExitFailedWrite;
    }
    dump.start(circuit);
    // The run only ticks generators and settles: the wiring stays as the file had it.
    sim::CSimulator simulator(circuit, sim::CSimulator::Wiring::Fixed);
    if (options.powerOn) simulator.switchPowerOn();
    dump.sample(circuit, 0);
    for (uint32_t tick = 0; tick < options.ticks; ++tick) {
        simulator.clockTick();
        dump.sample(circuit, uint64_t{tick} + 1);
    }
    out << circuitReport(circuit);
    out.flush();
    bool written = dump.finish(options.ticks) || cannotWrite(err, *options.vcdPath);
    std::string error;
    if (options.pngPath && !writeCircuitPicture(*options.pngPath, circuit, options.powerOn, error))
        written = cannotWrite(err, *options.pngPath, error);
    if (options.writePath && !io::writeCircuitFile(*options.writePath, circuit))
        written = cannotWrite(err, *options.writePath);
    return written ? 0 : kExitFailedWrite;
}

}  // namespace lotrasim
