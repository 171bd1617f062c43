// The timing diagram's panel under the work area, drawn by the core: the page's
// script (page/timing.js) asks for the picture at the panel's size, zoom and
// scroll, for the tooltip of a point, and passes on the row menu and the buttons.
#include <emscripten.h>

#include <algorithm>
#include <string>

#include "analysis/TimingPicture.h"
#include "app/Vortafrm.h"
#include "web/PageJson.h"
#include "web/PixelCanvas.h"
#include "web/WebShell.h"

// clang-format off
EM_JS(void, lotraPresentTiming, (const uint32_t* pixels, int width, int height, int scroll,
                                 int lastScroll), {
    lotra.presentTiming(HEAPU8.slice(pixels, pixels + width * height * 4), width, height,
                        scroll, lastScroll);
});
// clang-format on

namespace {

analysis::TimingView viewOf(int width, int height, int zoom, int scroll) {
    return {zoom, scroll, {width, height}};
}

const analysis::CTimingRecording& recording(web::WebShell& window) {
    return window.core().timingRecording();
}

}  // namespace

extern "C" {

// The picture of the panel; a scroll below 0 keeps the latest column in view. The
// page learns the scroll drawn and the furthest there is, for its bar.
EMSCRIPTEN_KEEPALIVE void lotra_timing_draw(int width, int height, int zoom, int scroll) {
    web::WebShell* window = web::pageWindow();
    if (!window || width <= 0) return;
    const analysis::CTimingRows& rows = window->core().timingRows();
    height = std::max(height, analysis::timingLayout(rows).height);
    analysis::TimingView view = viewOf(width, height, zoom, 0);
    const int64_t last = analysis::timingLastScroll(recording(*window), rows, view);
    view.scroll = scroll < 0 ? last : std::min<int64_t>(scroll, last);
    web::Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0xFFFFFFFFU);
    web::PixelCanvas canvas(picture, window->textStamper());
    analysis::drawTimingDiagram(canvas, recording(*window), rows, view);
    lotraPresentTiming(picture.pixels.data(), width, height, static_cast<int>(view.scroll),
                       static_cast<int>(last));
}

// Changes with every column and every new recording.
EMSCRIPTEN_KEEPALIVE int lotra_timing_version() {
    web::WebShell* window = web::pageWindow();
    return window ? static_cast<int>(recording(*window).version() & 0x3FFFFFFFU) : 0;
}

EMSCRIPTEN_KEEPALIVE const char* lotra_timing_tooltip(int x, int width, int zoom, int scroll) {
    static std::string text;
    text.clear();
    web::WebShell* window = web::pageWindow();
    if (!window) return text.c_str();
    const analysis::CTimingRows& rows = window->core().timingRows();
    const std::optional<uint64_t> column =
        analysis::timingColumnAt(recording(*window), rows, viewOf(width, 1, zoom, scroll), x);
    if (column) text = analysis::timingTooltip(recording(*window), rows, *column);
    return text.c_str();
}

// The row at y: its menu's items as JSON ({"row": n, "bus": true}), or "{}".
EMSCRIPTEN_KEEPALIVE const char* lotra_timing_row_at(int y) {
    static std::string json;
    json = "{}";
    web::WebShell* window = web::pageWindow();
    if (!window) return json.c_str();
    const analysis::CTimingRows& rows = window->core().timingRows();
    const std::optional<size_t> row = analysis::timingRowAt(rows, y);
    if (row && *row < rows.rows().size())
        json = web::JsonObject()
                   .add("row", static_cast<int>(*row))
                   .add("bus", rows.rows()[*row].bus)
                   .add("last", *row + 1 == rows.rows().size())
                   .str();
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE void lotra_timing_row(int action, int row) {
    if (web::WebShell* window = web::pageWindow())
        window->core().OnTimingRow(static_cast<analysis::TimingRowAction>(action),
                                   static_cast<size_t>(row));
}

// Every signal "Добавить сигнал..." offers, by name, with whether a row shows it.
EMSCRIPTEN_KEEPALIVE const char* lotra_timing_signals() {
    static std::string json;
    web::JsonArray signals;
    if (web::WebShell* window = web::pageWindow()) {
        const std::vector<analysis::TimingRow>& shown = window->core().timingRows().rows();
        for (const analysis::TimingRow& row : analysis::signalsToAdd(window->core().circuit()))
            signals.add(
                web::JsonObject()
                    .add("name", row.name)
                    .add("shown", std::find(shown.begin(), shown.end(), row) != shown.end()));
    }
    json = signals.str();
    return json.c_str();
}

EMSCRIPTEN_KEEPALIVE void lotra_timing_add(int index) {
    web::WebShell* window = web::pageWindow();
    if (!window) return;
    const std::vector<analysis::TimingRow> signals =
        analysis::signalsToAdd(window->core().circuit());
    if (index >= 0 && static_cast<size_t>(index) < signals.size())
        window->core().OnTimingAddSignal(signals[static_cast<size_t>(index)]);
}

// "Сохранить диаграмму...": the name dialog, then the file in the page's storage
// and its download, as every picture the page saves.
EMSCRIPTEN_KEEPALIVE void lotra_timing_save(int zoom) {
    if (web::WebShell* window = web::pageWindow()) window->core().OnTimingSave(zoom);
}

}  // extern "C"
