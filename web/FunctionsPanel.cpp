#include "web/FunctionsPanel.h"

#include <emscripten.h>

#include "analysis/FunctionPicture.h"
#include "analysis/FunctionReport.h"
#include "app/FileCommands.h"
#include "app/Vortafrm.h"
#include "web/PageJson.h"

// The page's side (page/functions-panel.js).
// clang-format off
EM_JS(void, lotraFunctionsComputing, (), { lotra.functionsPanel.computing(); });
EM_JS(void, lotraFunctionsAnswer, (const char* json), {
    lotra.functionsPanel.answer(JSON.parse(UTF8ToString(json)));
});
EM_JS(void, lotraFunctionsPicture, (const uint32_t* pixels, int width, int height, int map), {
    lotra.functionsPanel.picture(HEAPU8.slice(pixels, pixels + width * height * 4), width, height,
                                 map !== 0);
});
// clang-format on

namespace web {

CFunctionsPanel::CFunctionsPanel(const CVortafrm& core, platform::Shell& shell, TextStamper& text)
    : core_(core), shell_(shell), text_(text) {}

CFunctionsPanel::~CFunctionsPanel() = default;

void CFunctionsPanel::open() {
    open_ = true;
    start();
}

void CFunctionsPanel::followCircuit() {
    if (open_) start();
}

void CFunctionsPanel::close() {
    open_ = false;
    computation_.reset();
}

// The work starts afresh on a copy of the circuit as it stands; the page steps it.
void CFunctionsPanel::start() {
    computation_ = std::make_unique<analysis::CFunctionsComputation>(core_.circuit());
    lotraFunctionsComputing();
}

bool CFunctionsPanel::step() {
    if (!computation_ || computation_->done()) return false;
    if (computation_->step()) return true;
    answer();
    return false;
}

void CFunctionsPanel::answer() const {
    const auto& functions = computation_->functions();
    const std::string json = functions
                                 ? analysis::functionsJson(*functions, computation_->analysed())
                                 : JsonObject().add("error", computation_->error()).str();
    lotraFunctionsAnswer(json.c_str());
}

const analysis::AnalysedFunction* CFunctionsPanel::analysed(int index) const {
    if (!computation_ || !computation_->done() || index < 0) return nullptr;
    const auto& all = computation_->analysed();
    return static_cast<size_t>(index) < all.size() ? &all[static_cast<size_t>(index)] : nullptr;
}

void CFunctionsPanel::showPicture(int index) const {
    const analysis::AnalysedFunction* function = analysed(index);
    if (!function) return;
    const analysis::FunctionPicture drawn = analysis::functionPicture(*function);
    const int32_t width = std::max(1, drawn.size.width), height = std::max(1, drawn.size.height);
    Picture picture{width, height,
                    std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height),
                                          pixelWord(platform::kWhite))};
    PixelCanvas canvas(picture, text_);
    drawn.paint(canvas);
    lotraFunctionsPicture(picture.pixels.data(), width, height, drawn.map ? 1 : 0);
}

void CFunctionsPanel::savePicture(int index) const {
    const analysis::AnalysedFunction* function = analysed(index);
    if (!function) return;
    const analysis::FunctionPicture drawn = analysis::functionPicture(*function);
    app::savePictureUnderTypedName(shell_, analysis::functionPictureName(*function), drawn.size,
                                   function->function.name(), drawn.paint);
}

}  // namespace web
