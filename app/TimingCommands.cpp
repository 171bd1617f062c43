#include "app/TimingCommands.h"

#include <algorithm>
#include <cctype>

#include "analysis/TimingExport.h"
#include "analysis/TimingPicture.h"
#include "app/FileCommands.h"
#include "app/PictureNames.h"
#include "io/FileReplacement.h"
#include "platform/Shell.h"

namespace app {
namespace {

constexpr const char* kLabelDiagram = "Имя диаграммы";
constexpr const char* kDumpEnding = ".vcd";
constexpr const char* kOfferedEnding = ".svg";

bool namesDump(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const std::string ending = kDumpEnding;
    return name.size() > ending.size() && name.ends_with(ending);
}

}  // namespace

std::string proposedDiagramName(const std::string& circuitFile) {
    std::string picture = proposedPictureName(circuitFile);
    if (picture.empty()) return picture;
    return picture.substr(0, picture.rfind('.')) + kOfferedEnding;
}

void saveTimingDiagram(platform::Shell& shell, const std::string& circuitFile,
                       const analysis::CTimingRecording& recording,
                       const analysis::CTimingRows& rows, int32_t pixelsPerTick) {
    const std::optional<std::string> typed =
        shell.fileNameDialog(kLabelDiagram, proposedDiagramName(circuitFile));
    if (!typed) return;
    if (namesDump(*typed)) {
        const std::string dump = analysis::timingValueChangeDump(recording, rows);
        const auto* bytes = reinterpret_cast<const uint8_t*>(dump.data());
        const std::span<const uint8_t> written(bytes, dump.size());
        if (writeUnderTypedName(shell, *typed, [&] { return io::replaceFile(*typed, written); }))
            shell.handOver(*typed, written);
        return;
    }
    const PictureName picture = pictureName(*typed);
    const analysis::TimingView view = analysis::wholeTimingView(recording, rows, pixelsPerTick);
    const platform::PictureRequest request{
        picture.fileName, picture.format, {0, 0, view.size.width, view.size.height}, circuitFile};
    writeUnderTypedName(shell, picture.fileName, [&] {
        return shell.writePicture(request, [&](platform::Canvas& canvas) {
            analysis::drawTimingDiagram(canvas, recording, rows, view);
        });
    });
}

}  // namespace app
