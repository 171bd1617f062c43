#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/Shell.h"
#include "web/AutomatonPanel.h"
#include "web/Bitmaps.h"
#include "web/FunctionsPanel.h"
#include "web/JsonReader.h"
#include "web/PixelCanvas.h"

class CVortafrm;

namespace web {

// The browser's text: strings stamped by the page's font engine, kept once made.
class PageTextStamper : public TextStamper {
  public:
    const TextStamp& stamp(const platform::Font& font, const std::string& text) override;

  private:
    std::map<std::string, TextStamp> stamps_;
};

class WebShell;
// The window while the page runs it, or nullptr.
WebShell* pageWindow();

// The main window in the page: the core asks it for dialogs, repaints, timers and
// controls, and the page's script sends it the user's gestures (see WebMain.cpp).
// Every dialog is an HTML dialog the core waits for without blocking the page.
class WebShell : public platform::Shell {
  public:
    WebShell();
    ~WebShell() override;

    CVortafrm& core() { return *core_; }
    CFunctionsPanel& functionsPanel() { return functionsPanel_; }
    CAutomatonPanel& automatonPanel() { return automatonPanel_; }
    TextStamper& textStamper() { return text_; }
    // The work area's new size in CSS pixels: the controls are laid out again.
    void resize(int32_t width, int32_t height);
    // The pointer moved to `point` in the work area, or left it.
    void trackPointer(std::optional<Point> point) { pointer_ = point; }
    // Paints the work area; the pixels go to the page.
    void paint();

    bool messageBox(const std::string& text, const std::string& caption,
                    platform::MessageBoxStyle style) override;
    std::optional<LogicElementParams> logicElementDialog(const LogicElementParams& preset) override;
    std::optional<GeneratorParams> generatorDialog(const GeneratorParams& preset) override;
    bool questionDialog(const std::string& line1, const std::string& line2) override;
    bool deleteConfirmDialog(int32_t anchorX, int32_t anchorY) override;
    std::optional<int> pinChoiceDialog(const platform::PinChoiceRequest& request) override;
    std::optional<std::string> fileNameDialog(const std::string& label,
                                              const std::string& preset) override;
    bool warningDialog(const std::string& line1, const std::string& line2,
                       const std::string& line3) override;
    platform::SaveChangesAnswer saveChangesDialog() override;
    void aboutDialog() override;
    void helpNoteDialog() override;
    // The page's file chooser; the chosen file's bytes come through the page's staging file.
    std::optional<platform::ComputerFile> chooseComputerFile() override;
    // Writes the picture into the folder as the desktop writes it, then hands it to
    // the user as a download: a file in the browser's storage is out of their reach.
    bool writePicture(const platform::PictureRequest& request,
                      const std::function<void(platform::Canvas&)>& paint) override;
    void handOver(const std::string& fileName, std::span<const uint8_t> bytes) override;
    // The page's panel of the timing diagram (page/timing.js) shows or goes.
    void toggleTimingDiagram() override;

    void invalidateRect(const Rect& rect, bool erase) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    Size clientSize() const override { return size_; }
    std::optional<Point> pointerPosition() const override { return pointer_; }
    void setScrollRange(platform::ScrollBarId bar, int32_t min, int32_t max) override;
    void setScrollPos(platform::ScrollBarId bar, int32_t pos) override;
    void moveControl(platform::ControlId control, const Rect& rect) override;
    // The line under the work area.
    void showStatus(const platform::WindowStatus& status) override;
    // The panels beside the work area that follow the circuit.
    void showCircuitFunctions() override { functionsPanel_.open(); }
    void showCircuitAutomaton() override { automatonPanel_.open(); }
    void circuitChanged() override;
    void setScrollPage(platform::ScrollBarId bar, int32_t page) override;
    // Kept in the browser's storage for the page, as the desktop keeps it for the user.
    void zoomChanged(int32_t zoom) override;
    // The page hands over what its clipboard holds before a paste (see page/clipboard.js).
    void putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                        const std::function<void(platform::Canvas&)>& paint) override;
    std::optional<std::vector<uint8_t>> clipboardCircuit() override { return clipboard_; }
    void takeClipboard(std::optional<std::vector<uint8_t>> circuit) {
        clipboard_ = std::move(circuit);
    }

  private:
    // Runs a dialog of the page with its request as JSON; its answer, or nothing on
    // Cancel (or an answer that is no JSON).
    std::optional<JsonValue> runDialog(const char* kind, const std::string& request);
    // Waits for the open dialog's answer, running the timers' ticks that fall due.
    void runTicksUntilAnswered();

    std::unique_ptr<CVortafrm> core_;
    Size size_{};
    std::optional<Point> pointer_;
    bool invalid_ = false;
    Picture picture_;
    // The picture at its natural size, drawn first when the view is zoomed.
    Picture naturalPicture_;
    PageTextStamper text_;
    CFunctionsPanel functionsPanel_;
    CAutomatonPanel automatonPanel_;
    std::optional<std::vector<uint8_t>> clipboard_;
};

}  // namespace web
