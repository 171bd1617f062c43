#include "web/AutomatonPanel.h"

#include <emscripten.h>

#include <cstdlib>

#include "analysis/AutomatonReport.h"
#include "app/FileCommands.h"
#include "app/Vortafrm.h"
#include "io/FileReplacement.h"
#include "web/BrowserDeflate.h"
#include "web/DiskFiles.h"
#include "web/PageJson.h"
#include "web/PageTexts.h"
#include "web/PdfPicture.h"
#include "web/PngEncoder.h"

// The page's side (page/automaton-panel.js).
// clang-format off
EM_JS(void, lotraAutomatonAnswer, (const char* json), {
    lotra.automatonPanel.answer(JSON.parse(UTF8ToString(json)));
});
// The drawn graph's SVG text (malloc'd), or null when nothing is drawn.
EM_JS(char*, lotraGraphSvg, (), {
    const svg = lotra.automatonPanel.svg();
    if (svg === null) return 0;
    const size = lengthBytesUTF8(svg) + 1;
    const copy = _malloc(size);
    stringToUTF8(svg, copy, size);
    return copy;
});
// The drawn graph in pixels, waited for: its width << 16 | height, 0 when none.
EM_ASYNC_JS(int, lotraRasterizeGraph, (), { return await lotra.automatonPanel.rasterize(); });
EM_JS(void, lotraTakeGraphPixels, (uint32_t* pixels, int count), {
    HEAPU8.set(lotra.automatonPanel.takePixels().subarray(0, count * 4), pixels);
});
// clang-format on

namespace web {
namespace {

constexpr const char* kProposedName = "automat.png";

std::optional<std::vector<uint8_t>> graphSvg() {
    char* svg = lotraGraphSvg();
    if (!svg) return std::nullopt;
    const std::string text(svg);
    std::free(svg);
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::optional<Picture> graphPixels() {
    const int size = lotraRasterizeGraph();
    const int32_t width = size >> 16, height = size & 0xFFFF;
    if (width <= 0 || height <= 0) return std::nullopt;
    Picture picture{
        width, height,
        std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    lotraTakeGraphPixels(picture.pixels.data(), width * height);
    return picture;
}

std::optional<std::vector<uint8_t>> graphFile(platform::PictureFormat format) {
    if (format == platform::PictureFormat::Svg) return graphSvg();
    const std::optional<Picture> picture = graphPixels();
    if (!picture) return std::nullopt;
    if (format == platform::PictureFormat::Pdf)
        return pdfWithPixels(*picture, text::kAutomatonTitle, browserZlib);
    return encodePng(*picture, browserZlib);
}

}  // namespace

CAutomatonPanel::CAutomatonPanel(const CVortafrm& core, platform::Shell& shell)
    : core_(core), shell_(shell) {}

void CAutomatonPanel::open() {
    open_ = true;
    compute();
}

void CAutomatonPanel::followCircuit() {
    if (open_) compute();
}

void CAutomatonPanel::choose(bool letters, bool allStates) {
    const bool again = allStates != allStates_;
    letters_ = letters;
    allStates_ = allStates;
    if (again) {
        compute();
    } else {
        answer();
    }
}

void CAutomatonPanel::compute() {
    error_.clear();
    automaton_ = analysis::circuitAutomaton(core_.circuit(), {.allStates = allStates_}, error_);
    answer();
}

void CAutomatonPanel::answer() const {
    const analysis::AutomatonReportOptions options{.letters = letters_};
    const bool graph = automaton_ && automaton_->kind != analysis::AutomatonKind::Combinational;
    lotraAutomatonAnswer(
        JsonObject()
            .add("text", automaton_ ? analysis::automatonText(*automaton_, options) : error_)
            .add("combinational",
                 automaton_ && automaton_->kind == analysis::AutomatonKind::Combinational)
            .add("dot", graph ? analysis::automatonDot(*automaton_, options) : std::string())
            .str()
            .c_str());
}

// The SVG file holds Graphviz's own drawing; PNG and PDF its pixels as the page
// shows them.
void CAutomatonPanel::savePicture() const {
    app::savePictureFileUnderTypedName(shell_, kProposedName, [](const app::PictureName& name) {
        const std::optional<std::vector<uint8_t>> bytes = graphFile(name.format);
        if (!bytes || !io::replaceFile(name.fileName, *bytes)) return false;
        download(*bytes, name.fileName);
        return true;
    });
}

}  // namespace web
