#include "web/WebShell.h"

#include <emscripten.h>

#include <cstdlib>

#include "app/StatusTexts.h"
#include "app/Vortafrm.h"
#include "io/FileReplacement.h"
#include "model/ElementPicture.h"
#include "model/PinChoiceLayout.h"
#include "web/BrowserDeflate.h"
#include "web/DialogAnswers.h"
#include "web/DiskFiles.h"
#include "web/PageJson.h"
#include "web/PictureFile.h"
#include "web/PictureZoom.h"

// The page's side of every request (page/shell.js): each call goes to the global
// `lotra` object there.
// clang-format off
EM_JS(void, lotraRequestPaint, (), { lotra.requestPaint(); });
EM_JS(void, lotraPresent, (const uint32_t* pixels, int width, int height), {
    lotra.present(HEAPU8.subarray(pixels, pixels + width * height * 4), width, height);
});
EM_JS(void, lotraNoteTextBoxes, (const int32_t* edges, int count), {
    lotra.noteTextBoxes(Array.from(HEAP32.subarray(edges >> 2, (edges >> 2) + count * 4)));
});
EM_JS(void, lotraToggleTiming, (), { lotra.toggleTimingPanel(); });
EM_JS(void, lotraRememberZoom, (int zoom), { lotra.rememberZoom(zoom); });
EM_JS(void, lotraSetTimer, (int id, int intervalMs), { lotra.setTimer(id, intervalMs); });
EM_JS(void, lotraKillTimer, (int id), { lotra.killTimer(id); });
EM_JS(void, lotraSetScrollRange, (int bar, int min, int max), {
    lotra.setScrollRange(bar, min, max);
});
EM_JS(void, lotraSetScrollPage, (int bar, int page), { lotra.setScrollPage(bar, page); });
EM_JS(void, lotraSetScrollPos, (int bar, int pos), { lotra.setScrollPos(bar, pos); });
EM_JS(void, lotraMoveControl, (int control, int left, int top, int width, int height), {
    lotra.moveControl(control, left, top, width, height);
});
EM_JS(void, lotraShowStatus, (const char* text), { lotra.showStatus(UTF8ToString(text)); });
EM_JS(int, lotraMeasureText, (const char* text, int height, int weight, const char* face), {
    return lotra.measureText(UTF8ToString(text), height, weight, UTF8ToString(face));
});
EM_JS(void, lotraStampText, (const char* text, int height, int weight, const char* face,
                            uint8_t* ink, int width, int rows), {
    lotra.stampText(UTF8ToString(text), height, weight, UTF8ToString(face),
                    HEAPU8.subarray(ink, ink + width * rows), width, rows);
});
EM_JS(void, lotraSetDialogPicture, (const uint32_t* pixels, int width, int height), {
    lotra.setDialogPicture(HEAPU8.slice(pixels, pixels + width * height * 4), width, height);
});
// Opens the page's dialog of that kind with its request (JSON).
EM_JS(void, lotraOpenDialog, (const char* kind, const char* request), {
    lotra.openDialog(UTF8ToString(kind), JSON.parse(UTF8ToString(request)));
});
// Waits for the page: the id of a timer whose tick fell due, or -1 once the dialog
// has been answered.
EM_ASYNC_JS(int, lotraNextWake, (), { return await lotra.nextWake(); });
// The dialog's answer as JSON text (malloc'd), or null when it was cancelled.
EM_JS(char*, lotraTakeAnswer, (), {
    const answer = lotra.takeAnswer();
    if (answer === null) return 0;
    const json = JSON.stringify(answer);
    const size = lengthBytesUTF8(json) + 1;
    const copy = _malloc(size);
    stringToUTF8(json, copy, size);
    return copy;
});
// clang-format on

namespace web {

namespace {

// Text has no place in the picture of an element.
class NoText : public TextStamper {
  public:
    const TextStamp& stamp(const platform::Font&, const std::string&) override { return none_; }

  private:
    TextStamp none_;
};

// The element as the pin choice shows it: the body, and a gate's output mark and
// type glyph, on white.
Picture pinChoicePicture(const platform::PinChoiceRequest& request) {
    if (request.width <= 0 || request.height <= 0) return {};
    Picture picture{request.width, request.height,
                    std::vector<uint32_t>(static_cast<size_t>(request.width * request.height),
                                          pixelWord(platform::kWhite))};
    NoText noText;
    PixelCanvas canvas(picture, noText);
    for (const PlacedBitmap& part :
         elementPicture(request.bodyBitmap, {request.width, request.height}, request.outputBitmap,
                        request.symbolBitmap)) {
        if (part.id != 0)
            canvas.drawBitmap(part.id, part.box.left, part.box.top, part.box.width(),
                              part.box.height(), false);
    }
    return picture;
}

}  // namespace

const TextStamp& PageTextStamper::stamp(const platform::Font& font, const std::string& text) {
    const std::string key = font.face + '\n' + std::to_string(font.height) + '\n' +
                            std::to_string(font.weight) + '\n' + text;
    auto found = stamps_.find(key);
    if (found != stamps_.end()) return found->second;
    TextStamp made;
    const int size = lotraMeasureText(text.c_str(), font.height, font.weight, font.face.c_str());
    made.width = size >> 16;
    made.height = size & 0xFFFF;
    made.ink.assign(static_cast<size_t>(made.width * made.height), 0);
    if (!made.ink.empty()) {
        lotraStampText(text.c_str(), font.height, font.weight, font.face.c_str(), made.ink.data(),
                       made.width, made.height);
    }
    return stamps_.emplace(key, std::move(made)).first->second;
}

WebShell::WebShell()
    : core_(std::make_unique<CVortafrm>(*this)),
      functionsPanel_(*core_, *this, text_),
      automatonPanel_(*core_, *this) {}

WebShell::~WebShell() = default;

void WebShell::resize(int32_t width, int32_t height) {
    size_ = {width, height};
    picture_ = {width, height,
                std::vector<uint32_t>(static_cast<size_t>(width) * static_cast<size_t>(height))};
    core_->OnSize(width, height);
    invalidateWorkArea(true);
}

// The records are drawn over white every time, as on the desktop.
void WebShell::paint() {
    invalid_ = false;
    if (picture_.empty()) return;
    const Viewport view = core_->viewport();
    const bool natural = view.zoom == Viewport::kNaturalZoom;
    // At another zoom the picture is drawn at its natural size first, then magnified;
    // its buffer is kept from one paint to the next.
    if (!natural) {
        naturalPicture_.width = view.workReach(picture_.width);
        naturalPicture_.height = view.workReach(picture_.height);
        naturalPicture_.pixels.resize(static_cast<size_t>(naturalPicture_.width) *
                                      static_cast<size_t>(naturalPicture_.height));
    }
    Picture& drawn = natural ? picture_ : naturalPicture_;
    std::fill(drawn.pixels.begin(), drawn.pixels.end(), pixelWord(platform::kWhite));
    PixelCanvas canvas(drawn, text_);
    core_->OnPaint(canvas);
    if (!natural) magnify(naturalPicture_, view, picture_);
    // The text boxes as they show, magnified with the picture.
    const Viewport magnifier{0, 0, view.zoom};
    std::vector<int32_t> edges;
    for (const Rect& drawnBox : canvas.textBoxes()) {
        const Rect box = magnifier.toClientRect(drawnBox);
        edges.insert(edges.end(), {box.left, box.top, box.right, box.bottom});
    }
    lotraNoteTextBoxes(edges.data(), static_cast<int>(canvas.textBoxes().size()));
    lotraPresent(picture_.pixels.data(), picture_.width, picture_.height);
}

std::optional<JsonValue> WebShell::runDialog(const char* kind, const std::string& request) {
    // What was asked for before the dialog shows beneath it, as the desktop repaints
    // behind a modal dialog.
    if (invalid_) paint();
    lotraOpenDialog(kind, request.c_str());
    runTicksUntilAnswered();
    char* answer = lotraTakeAnswer();
    if (!answer) return std::nullopt;
    std::optional<JsonValue> json = parseJson(answer);
    std::free(answer);
    return json;
}

// The desktop's modal loop delivers the window's timer messages while a dialog is
// open: the generator goes on and the autosave keeps its rhythm. The page's dialog
// runs inside this call, so the ticks that fall due meanwhile run here, one at a
// time, and what they change is painted beneath the dialog.
void WebShell::runTicksUntilAnswered() {
    for (int id = lotraNextWake(); id >= 0; id = lotraNextWake()) {
        core_->OnTimer(id);
        if (invalid_) paint();
    }
}

bool WebShell::messageBox(const std::string& text, const std::string& caption,
                          platform::MessageBoxStyle style) {
    const bool withCancel = style == platform::MessageBoxStyle::OkCancelExclamation;
    return runDialog("message", JsonObject()
                                    .add("text", text)
                                    .add("caption", caption)
                                    .add("cancel", withCancel)
                                    .str())
        .has_value();
}

std::optional<LogicElementParams> WebShell::logicElementDialog(const LogicElementParams& preset) {
    const std::optional<JsonValue> answer =
        runDialog("logic", JsonObject()
                               .add("conjunction", preset.isConjunction)
                               .add("inputs", static_cast<double>(preset.inputCount))
                               .add("inverted", preset.inverted)
                               .str());
    return answer ? logicElementAnswer(*answer) : std::nullopt;
}

std::optional<GeneratorParams> WebShell::generatorDialog(const GeneratorParams& preset) {
    const std::optional<JsonValue> answer = runDialog("generator", JsonObject()
                                                                       .add("period", preset.period)
                                                                       .add("duty", preset.duty)
                                                                       .add("delay", preset.delay)
                                                                       .str());
    return answer ? generatorAnswer(*answer) : std::nullopt;
}

bool WebShell::questionDialog(const std::string& line1, const std::string& line2) {
    return runDialog("question", JsonObject().add("line1", line1).add("line2", line2).str())
        .has_value();
}

bool WebShell::deleteConfirmDialog(int32_t anchorX, int32_t anchorY) {
    return runDialog("delete", JsonObject().add("x", anchorX).add("y", anchorY).str()).has_value();
}

std::optional<int> WebShell::pinChoiceDialog(const platform::PinChoiceRequest& request) {
    JsonArray present, enabled, buttons;
    for (size_t p = 0; p < request.pins.size(); ++p) {
        const Pin& pin = request.pins[p];
        present.add(pin.present != 0);
        enabled.add(pin.connected == 0);
        const Rect button =
            pinButtonRect(static_cast<int>(p), {request.width, request.height}, request.twoOutputs);
        buttons.add(JsonObject().add("left", button.left).add("top", button.top));
    }
    const Picture picture = pinChoicePicture(request);
    lotraSetDialogPicture(picture.pixels.data(), picture.width, picture.height);
    const std::optional<JsonValue> answer = runDialog(
        "pin",
        JsonObject().add("present", present).add("enabled", enabled).add("buttons", buttons).str());
    return answer ? pinChoiceAnswer(*answer) : std::nullopt;
}

std::optional<std::string> WebShell::fileNameDialog(const std::string& label,
                                                    const std::string& preset) {
    const std::optional<JsonValue> answer =
        runDialog("fileName", JsonObject().add("label", label).add("name", preset).str());
    return answer ? fileNameAnswer(*answer) : std::nullopt;
}

bool WebShell::warningDialog(const std::string& line1, const std::string& line2,
                             const std::string& line3) {
    return runDialog("warning",
                     JsonObject().add("line1", line1).add("line2", line2).add("line3", line3).str())
        .has_value();
}

void WebShell::circuitChanged() {
    functionsPanel_.followCircuit();
    automatonPanel_.followCircuit();
}

platform::SaveChangesAnswer WebShell::saveChangesDialog() {
    const std::optional<JsonValue> answer = runDialog("saveChanges", "{}");
    if (!answer) return platform::SaveChangesAnswer::Cancel;
    const JsonValue* save = answer->member("save");
    return save && save->asBool().value_or(false) ? platform::SaveChangesAnswer::Save
                                                  : platform::SaveChangesAnswer::DontSave;
}

void WebShell::aboutDialog() {
    runDialog("about", "{}");
}

void WebShell::helpNoteDialog() {
    runDialog("help", "{}");
}

// The browser's file chooser waits as a dialog does, with the ticks going on.
std::optional<platform::ComputerFile> WebShell::chooseComputerFile() {
    const std::optional<JsonValue> answer =
        runDialog("pickFile", JsonObject().add("stagedPath", kPickedPath).str());
    const std::optional<std::string> name = answer ? fileNameAnswer(*answer) : std::nullopt;
    if (!name) return std::nullopt;
    return takeStagedFile(*this, kPickedPath, *name);
}

void WebShell::handOver(const std::string& fileName, std::span<const uint8_t> bytes) {
    download({bytes.begin(), bytes.end()}, fileName);
}

void WebShell::toggleTimingDiagram() {
    lotraToggleTiming();
}

bool WebShell::writePicture(const platform::PictureRequest& request,
                            const std::function<void(platform::Canvas&)>& paint) {
    const std::vector<uint8_t> bytes = encodePicture(request, paint, text_, browserZlib);
    if (!io::replaceFile(request.fileName, bytes)) return false;
    download(bytes, request.fileName);
    return true;
}

// One repaint of the whole work area covers every rectangle asked for before it.
void WebShell::invalidateRect(const Rect&, bool) {
    if (invalid_) return;
    invalid_ = true;
    lotraRequestPaint();
}

void WebShell::zoomChanged(int32_t zoom) {
    lotraRememberZoom(zoom);
}

void WebShell::setTimer(int id, int intervalMs) {
    lotraSetTimer(id, intervalMs);
}

void WebShell::killTimer(int id) {
    lotraKillTimer(id);
}

void WebShell::setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) {
    lotraSetScrollRange(static_cast<int>(bar), min, max);
}

void WebShell::setScrollPos(platform::ScrollBarId bar, int32_t pos) {
    lotraSetScrollPos(static_cast<int>(bar), pos);
}

void WebShell::showStatus(const platform::WindowStatus& status) {
    lotraShowStatus(app::statusLine(status).c_str());
}

void WebShell::setScrollPage(platform::ScrollBarId bar, int32_t page) {
    lotraSetScrollPage(static_cast<int>(bar), page);
}

void WebShell::moveControl(platform::ControlId control, const Rect& rect) {
    lotraMoveControl(static_cast<int>(control), rect.left, rect.top, rect.width(), rect.height());
}

}  // namespace web
