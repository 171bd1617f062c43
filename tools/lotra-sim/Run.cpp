#include "tools/lotra-sim/Run.h"

#include <vector>

#include "analysis/TimingPicture.h"
#include "io/CircuitFile.h"
#include "sim/Simulator.h"
#include "tools/lotra-sim/Automaton.h"
#include "tools/lotra-sim/CircuitInput.h"
#include "tools/lotra-sim/CircuitPicture.h"
#include "tools/lotra-sim/ClassCheck.h"
#include "tools/lotra-sim/Functions.h"
#include "tools/lotra-sim/OutputFiles.h"
#include "tools/lotra-sim/Report.h"
#include "tools/lotra-sim/TruthTable.h"

namespace lotrasim {
namespace {

constexpr int kExitFailedWrite = 1;
constexpr int kExitBadInput = 2;

std::vector<PictureFile> requestedPictures(const SimOptions& options) {
    std::vector<PictureFile> pictures;
    if (options.pngPath) pictures.push_back({*options.pngPath, platform::PictureFormat::Png});
    if (options.svgPath) pictures.push_back({*options.svgPath, platform::PictureFormat::Svg});
    if (options.pdfPath) pictures.push_back({*options.pdfPath, platform::PictureFormat::Pdf});
    return pictures;
}

// Each picture asked for; false when any could not be written.
bool writePictures(const SimOptions& options, CCircuit& circuit, std::ostream& err) {
    const std::vector<PictureFile> pictures = requestedPictures(options);
    if (pictures.empty()) return true;
    const PictureDrawer drawer;
    bool written = true;
    for (const PictureFile& picture : pictures) {
        std::vector<uint8_t> bytes;
        std::string error;
        if (!drawer.draw(circuit, picture, options.file, options.powerOn, bytes, error))
            written = cannotWrite(err, picture.path, error);
        else
            written = writeOutputFile(picture.path, bytes, err) && written;
    }
    return written;
}

// The panel's zoom when it opens, which the picture of a run takes too.
constexpr int32_t kTimingPixelsPerTick = 10;

bool writeTimingPicture(const std::string& path, platform::PictureFormat format,
                        const analysis::CTimingRecording& recording,
                        const analysis::CTimingRows& rows, std::ostream& err) {
    const analysis::TimingView view =
        analysis::wholeTimingView(recording, rows, kTimingPixelsPerTick);
    const platform::PictureRequest request{
        path, format, {0, 0, view.size.width, view.size.height}, path};
    std::vector<uint8_t> bytes;
    std::string error;
    const auto paint = [&](platform::Canvas& canvas) {
        analysis::drawTimingDiagram(canvas, recording, rows, view);
    };
    if (!PictureDrawer().drawPicture(request, paint, bytes, error))
        return cannotWrite(err, path, error);
    return writeOutputFile(path, bytes, err);
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
    if (options.checks()) return runCheck(options, out, err);
    if ((!requestedPictures(options).empty() || options.kmapFunction || options.timingPath) &&
        !picturesAvailable()) {
        err << "lotra-sim: this lotra-sim was built without Qt and draws no pictures\n";
        return kExitBadInput;
    }
    const std::optional<platform::PictureFormat> timingFormat =
        options.timingPath ? pictureFormatOfName(*options.timingPath) : std::nullopt;
    if (options.timingPath && !timingFormat) {
        err << "lotra-sim: the name of the diagram's file '" << *options.timingPath
            << "' ends in none of .png, .svg, .pdf\n";
        return kExitBadInput;
    }
    std::vector<uint8_t> bytes;
    if (!readWholeFile(options.file, bytes, err)) return kExitBadInput;
    CCircuit circuit;
    io::decodeCircuit(bytes, circuit);
    if (options.truthTable) return runTruthTable(circuit, out, err);
    if (options.functions) return printFunctions(circuit, options.json, out, err);
    if (options.automaton) return printAutomaton(circuit, options, out, err);
    if (options.kmapFunction)
        return writeKarnaughMap(circuit, *options.kmapFunction, *options.kmapPath, err);

    CDumpFile dump(options.vcdPath, err);
    if (!dump.opened()) return kExitFailedWrite;
    dump.start(circuit);
    // The run only ticks generators and settles: the wiring stays as the file had it.
    sim::CSimulator simulator(circuit, sim::CSimulator::Wiring::Fixed);
    analysis::CTimingRecording recording;
    analysis::CTimingRows rows;
    rows.follow(circuit, recording);
    if (options.powerOn) {
        simulator.switchPowerOn();
        // Only a diagram asked for is recorded: without one every tick stays a bare tick.
        if (options.timingPath) recording.startAtPowerOn(circuit);
    }
    dump.sample(circuit, 0);
    for (uint32_t tick = 0; tick < options.ticks; ++tick) {
        simulator.clockTick();
        recording.recordTick(circuit);
        dump.sample(circuit, uint64_t{tick} + 1);
    }
    out << circuitReport(circuit);
    out.flush();
    bool written = dump.finish(options.ticks);
    written = writePictures(options, circuit, err) && written;
    if (options.timingPath)
        written =
            writeTimingPicture(*options.timingPath, *timingFormat, recording, rows, err) && written;
    if (options.writePath)
        written = writeOutputFile(*options.writePath, io::encodeCircuit(circuit), err) && written;
    return written ? 0 : kExitFailedWrite;
}

}  // namespace lotrasim
