#include "tools/lotra-sim/Run.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "io/CircuitFile.h"
#include "io/FileBytes.h"
#include "sim/Simulation.h"
#include "tools/lotra-sim/Report.h"

namespace lotrasim {
namespace {

constexpr int kExitFailedWrite = 1;
constexpr int kExitBadInput = 2;

// The whole file, or nothing with the reason on `err`.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::ostream& err) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        err << "lotra-sim: cannot open '" << path << "': " << std::strerror(errno) << '\n';
        return false;
    }
    const bool complete = io::readFileBytes(fd, bytes);
    const int error = errno;
    ::close(fd);
    if (!complete)
        err << "lotra-sim: cannot read '" << path << "': " << std::strerror(error) << '\n';
    return complete;
}

}  // namespace

int run(const SimOptions& options, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(options.file, bytes, err)) return kExitBadInput;
    CCircuit circuit;
    io::decodeCircuit(bytes, circuit);
    if (options.powerOn) sim::switchPowerOn(circuit);
    for (uint32_t tick = 0; tick < options.ticks; ++tick) sim::clockTick(circuit);
    out << circuitReport(circuit);
    out.flush();
    if (options.writePath && !io::writeCircuitFile(*options.writePath, circuit)) {
        err << "lotra-sim: cannot write '" << *options.writePath << "'\n";
        return kExitFailedWrite;
    }
    return 0;
}

}  // namespace lotrasim
