#include "tools/lotra-sim/Run.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <vector>

#include "io/CircuitFile.h"
#include "sim/Simulation.h"
#include "tools/lotra-sim/CircuitInput.h"
#include "tools/lotra-sim/CircuitPicture.h"
#include "tools/lotra-sim/ClassCheck.h"
#include "tools/lotra-sim/Report.h"
#include "tools/lotra-sim/TruthTable.h"
#include "tools/lotra-sim/ValueChangeDump.h"

namespace lotrasim {
namespace {

constexpr int kExitFailedWrite = 1;
constexpr int kExitBadInput = 2;

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

std::vector<PictureFile> requestedPictures(const SimOptions& options) {
    std::vector<PictureFile> pictures;
    if (options.pngPath) pictures.push_back({*options.pngPath, platform::PictureFormat::Png});
    if (options.svgPath) pictures.push_back({*options.svgPath, platform::PictureFormat::Svg});
    if (options.pdfPath) pictures.push_back({*options.pdfPath, platform::PictureFormat::Pdf});
    return pictures;
}

// Each picture asked for; false when any could not be written.
bool writePictures(const SimOptions& options, CCircuit& circuit, std::ostream& err) {
    const std::vector<PictureFailure> failures =
        writeCircuitPictures(requestedPictures(options), circuit, options.file, options.powerOn);
    for (const PictureFailure& failure : failures) cannotWrite(err, failure.path, failure.reason);
    return failures.empty();
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
    if (options.checkReference || options.expectTable) return runCheck(options, out, err);
    if (!requestedPictures(options).empty() && !picturesAvailable()) {
        err << "lotra-sim: this lotra-sim was built without Qt and draws no pictures\n";
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
    if (options.powerOn) sim::switchPowerOn(circuit);
    dump.sample(circuit, 0);
    for (uint32_t tick = 0; tick < options.ticks; ++tick) {
        sim::clockTick(circuit);
        dump.sample(circuit, uint64_t{tick} + 1);
    }
    out << circuitReport(circuit);
    out.flush();
    bool written = dump.finish(options.ticks) || cannotWrite(err, *options.vcdPath);
    written = writePictures(options, circuit, err) && written;
    if (options.writePath && !io::writeCircuitFile(*options.writePath, circuit))
        written = cannotWrite(err, *options.writePath);
    return written ? 0 : kExitFailedWrite;
}

}  // namespace lotrasim
