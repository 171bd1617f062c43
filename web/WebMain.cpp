// The program in the page: the page's script (page/shell.js) sets up the folder in
// the browser's storage, then calls these functions for everything the user does.
// Calls that may open a dialog return to the script while it is open and finish
// when it closes; the script sends nothing else in between, and repaints what they
// invalidated once they are done.
#include <emscripten.h>

#include <memory>
#include <span>
#include <string>

#include "app/CommandIds.h"
#include "app/MenuLayout.h"
#include "app/Vortafrm.h"
#include "web/Bitmaps.h"
#include "web/DiskFiles.h"
#include "web/MouseMessages.h"
#include "web/PageJson.h"
#include "web/RecoveryState.h"
#include "web/WebShell.h"

// clang-format off
EM_JS(void, lotraSetIcon, (const uint32_t* pixels, int width, int height), {
    lotra.setIcon(HEAPU8.slice(pixels, pixels + width * height * 4), width, height);
});
EM_JS(void, lotraShowRecoveryUnwritten, (int unwritten), {
    lotra.showRecoveryUnwritten(unwritten !== 0);
});
// clang-format on

namespace {

constexpr int32_t kIconId = 101;

std::unique_ptr<web::WebShell> window;
bool recoveryNoticeShown = false;

using enum web::MouseMessage;

// A check item names where the page keeps the user's choice; a plain one names nothing.
web::JsonObject menuItem(const char* text, int command, std::span<const char* const> shortcuts = {},
                         const char* rememberedAs = nullptr) {
    web::JsonArray keys;
    for (const char* key : shortcuts) keys.add(key);
    return web::JsonObject()
        .add("text", text)
        .add("command", command)
        .add("keys", keys)
        .add("remembered", rememberedAs ? rememberedAs : "");
}

// The desktop's menus and their keys, with the page's two file items before "Выход".
std::string menuJson() {
    web::JsonArray menus;
    for (const app::Menu& menu : app::mainMenu()) {
        web::JsonArray items;
        for (const app::MenuItem& item : menu.items) {
            if (item.command == command::AppExit) {
                items.add(menuItem("&Загрузить с диска...", command::FileLoadFromDisk));
                items.add(menuItem("Сохранить на &диск...", web::kCommandSaveToDisk));
            }
            items.add(menuItem(item.text, item.command, item.shortcuts, item.rememberedAs));
        }
        menus.add(web::JsonObject().add("title", menu.title).add("items", items));
    }
    return menus.str();
}

}  // namespace

web::WebShell* web::pageWindow() {
    return window.get();
}

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* lotra_menu() {
    static const std::string json = menuJson();
    return json.c_str();
}

// Creates the window in a work area of that size; the recovery file is read back.
EMSCRIPTEN_KEEPALIVE void lotra_start(int width, int height) {
    const web::Picture& icon = web::bitmapPicture(kIconId);
    lotraSetIcon(icon.pixels.data(), icon.width, icon.height);
    window = std::make_unique<web::WebShell>();
    window->core().OnCreate();
    window->resize(width, height);
}

EMSCRIPTEN_KEEPALIVE void lotra_resize(int width, int height) {
    if (window) window->resize(width, height);
}

EMSCRIPTEN_KEEPALIVE void lotra_paint() {
    if (window) window->paint();
}

EMSCRIPTEN_KEEPALIVE void lotra_mouse(int message, unsigned flags, int x, int y) {
    if (!window) return;
    const Point point{x, y};
    CVortafrm& core = window->core();
    window->trackPointer(message == Leave ? std::nullopt : std::optional<Point>(point));
    switch (message) {
        case Move:
            core.OnMouseMove(flags, point);
            break;
        case LeftDown:
            core.OnLButtonDown(flags, point);
            break;
        case LeftUp:
            core.OnLButtonUp(flags, point);
            break;
        case LeftDoubleClick:
            core.OnLButtonDblClk(flags, point);
            break;
        case RightDown:
            core.OnRButtonDown(flags, point);
            break;
        default:
            break;
    }
}

// The wheel's turn (120 a notch, positive up and left) over the work area.
EMSCRIPTEN_KEEPALIVE void lotra_wheel(unsigned flags, int turnX, int turnY, int x, int y) {
    if (!window) return;
    window->trackPointer(Point{x, y});
    window->core().OnMouseWheel(flags, {turnX, turnY}, {x, y});
}

// The zoom the user chose last time the page was open.
EMSCRIPTEN_KEEPALIVE void lotra_restore_zoom(int zoom) {
    if (window) window->core().restoreZoom(zoom);
}

EMSCRIPTEN_KEEPALIVE void lotra_scroll(int bar, int code, int position) {
    if (!window) return;
    if (bar == static_cast<int>(platform::ScrollBarId::Vertical)) {
        window->core().OnVScroll(code, position);
    } else {
        window->core().OnHScroll(code, position);
    }
}

EMSCRIPTEN_KEEPALIVE int lotra_enabled(int command) {
    return window && window->core().isCommandEnabled(command) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int lotra_checked(int command) {
    return window && window->core().isCommandChecked(command) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void lotra_command(int command) {
    if (!window) return;
    if (command == web::kCommandSaveToDisk) {
        web::saveToDisk(window->core());
    } else {
        window->core().OnCommand(command);
    }
}

// "Вставить", with what the page found on the clipboard: the bytes of a group, or
// none (size -1) when it holds none.
EMSCRIPTEN_KEEPALIVE void lotra_paste(const uint8_t* circuit, int size) {
    if (!window) return;
    if (size >= 0) {
        window->takeClipboard(std::vector<uint8_t>(circuit, circuit + size));
    } else {
        window->takeClipboard(std::nullopt);
    }
    window->core().OnCommand(command::EditPaste);
}

EMSCRIPTEN_KEEPALIVE void lotra_drop(const char* stagedPath, const char* name) {
    if (!window) return;
    if (const auto file = web::takeStagedFile(*window, stagedPath, name))
        window->core().OnDropFile(*file);
}

// An autosave that could not write the recovery file says so under the menus
// until one can; one the core ran itself behind a dialog shows at the next tick.
EMSCRIPTEN_KEEPALIVE void lotra_timer(int id) {
    if (!window) return;
    CVortafrm& core = window->core();
    core.OnTimer(id);
    if (core.recoveryUnwritten() != recoveryNoticeShown) {
        recoveryNoticeShown = core.recoveryUnwritten();
        lotraShowRecoveryUnwritten(recoveryNoticeShown ? 1 : 0);
    }
}

// Whether closing the page now would lose work: the recovery file does not hold the
// circuit as it stands.
EMSCRIPTEN_KEEPALIVE int lotra_recovery_behind() {
    return window && !web::recoveryHolds(window->core().circuit()) ? 1 : 0;
}

// "Выход": the window goes as on the desktop, leaving an empty recovery file, unless
// the user keeps it when asked about unsaved changes.
EMSCRIPTEN_KEEPALIVE void lotra_exit() {
    if (!window || !window->core().OnQueryClose()) return;
    window->core().OnDestroy();
    window.reset();
}

// The panels of the analysis menu (page/functions-panel.js, page/automaton-panel.js).
EMSCRIPTEN_KEEPALIVE int lotra_functions_step() {
    return window && window->functionsPanel().step() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void lotra_functions_picture(int index) {
    if (window) window->functionsPanel().showPicture(index);
}

EMSCRIPTEN_KEEPALIVE void lotra_functions_save(int index) {
    if (window) window->functionsPanel().savePicture(index);
}

EMSCRIPTEN_KEEPALIVE void lotra_functions_close() {
    if (window) window->functionsPanel().close();
}

EMSCRIPTEN_KEEPALIVE void lotra_automaton_choose(int letters, int allStates) {
    if (window) window->automatonPanel().choose(letters != 0, allStates != 0);
}

EMSCRIPTEN_KEEPALIVE void lotra_automaton_save() {
    if (window) window->automatonPanel().savePicture();
}

EMSCRIPTEN_KEEPALIVE void lotra_automaton_close() {
    if (window) window->automatonPanel().close();
}

EMSCRIPTEN_KEEPALIVE int lotra_window_open() {
    return window ? 1 : 0;
}

}  // extern "C"
