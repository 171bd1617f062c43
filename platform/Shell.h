#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/ElementParams.h"
#include "model/Geometry.h"
#include "model/Pin.h"
#include "model/WorkAreaGeometry.h"
#include "platform/Canvas.h"
#include "platform/Picture.h"
#include "platform/WindowStatus.h"

namespace platform {

// The message-box types the system uses: OK only with no icon (type 0), and OK
// plus Cancel with the exclamation icon (type 49).
enum class MessageBoxStyle { Ok, OkCancelExclamation };

enum class ScrollBarId { Vertical, Horizontal };

// The answers to "Сохранить изменения в схеме?" when the window is closed.
enum class SaveChangesAnswer { Save, DontSave, Cancel };
enum class ControlId { VerticalBar, HorizontalBar, CornerButton };

// Key-state bits that come with every mouse message.
constexpr uint32_t MK_LBUTTON = 0x0001;
constexpr uint32_t MK_SHIFT = 0x0004;
constexpr uint32_t MK_CONTROL = 0x0008;

// Caption of the missing-file and failed-write message boxes; an empty caption
// means the application's default one.
inline constexpr const char* kErrorCaption = "Ошибка";

// The clipboard type of a group of elements: the bytes of a circuit file.
inline constexpr const char* kCircuitClipboardType = "application/x-lotra-circuit";

// What the pin-choice dialog shows: the element's pins, its body bitmap and size,
// for a gate its output mark and type glyph (0 for none), and whether the element
// has two outputs (which places their buttons as a trigger's).
struct PinChoiceRequest {
    Pins pins{};
    int32_t bodyBitmap = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t outputBitmap = 0;
    int32_t symbolBitmap = 0;
    bool twoOutputs = false;
};

// A file of the user's computer handed to the program: its name there, without
// folders, and its bytes.
struct ComputerFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// Everything the core asks of the desktop. Every call is modal and synchronous as
// the user experiences it; dialogs return their data on OK and nothing on Cancel.
class Shell {
  public:
    virtual ~Shell() = default;

    // True when the box was closed with OK.
    virtual bool messageBox(const std::string& text, const std::string& caption,
                            MessageBoxStyle style) = 0;

    virtual std::optional<LogicElementParams> logicElementDialog(
        const LogicElementParams& preset) = 0;
    virtual std::optional<GeneratorParams> generatorDialog(const GeneratorParams& preset) = 0;
    // The two-line confirmation; true on OK.
    virtual bool questionDialog(const std::string& line1, const std::string& line2) = 0;
    // The deletion confirmation, opened next to the click (client coordinates); true on OK.
    virtual bool deleteConfirmDialog(int32_t anchorX, int32_t anchorY) = 0;
    // The chosen pin 0 to 10, or nothing when cancelled or no pin was clicked.
    virtual std::optional<int> pinChoiceDialog(const PinChoiceRequest& request) = 0;
    // The typed name, or nothing on Cancel.
    virtual std::optional<std::string> fileNameDialog(const std::string& label,
                                                      const std::string& preset) = 0;
    // Three lines with "Продолжить" and "Отказаться"; true for "Продолжить".
    virtual bool warningDialog(const std::string& line1, const std::string& line2,
                               const std::string& line3) = 0;
    // Asked when the window closes with changes since the last Save or Open.
    virtual SaveChangesAnswer saveChangesDialog() = 0;
    virtual void aboutDialog() = 0;
    virtual void helpNoteDialog() = 0;
    // Lets the user choose a file of their computer; nothing when they chose none.
    // A desktop that works in the computer's own folders offers no such choice.
    virtual std::optional<ComputerFile> chooseComputerFile() = 0;

    // Writes the picture file of the request, drawn by `paint` with the top-left
    // corner of the request's area at the canvas origin. The file is replaced only
    // when complete; true when it was written.
    virtual bool writePicture(const PictureRequest& request,
                              const std::function<void(Canvas&)>& paint) = 0;

    // Marks a rectangle of the client area (window coordinates) for repainting;
    // nothing is painted before the next paint message.
    virtual void invalidateRect(const Rect& rect, bool erase) = 0;
    void invalidateWorkArea(bool erase) { invalidateRect(workAreaRect(clientSize()), erase); }

    virtual void setTimer(int id, int intervalMs) = 0;
    virtual void killTimer(int id) = 0;

    virtual Size clientSize() const = 0;
    // Where the pointer is now, in client coordinates; nothing when it is outside the
    // client area.
    virtual std::optional<Point> pointerPosition() const { return std::nullopt; }
    virtual void setScrollRange(ScrollBarId bar, int32_t min, int32_t max) = 0;
    virtual void setScrollPos(ScrollBarId bar, int32_t pos) = 0;
    virtual void moveControl(ControlId control, const Rect& rect) = 0;
    // The window of what the circuit computes: opened, or brought forward when open.
    // It is not modal and follows the circuit (see circuitChanged).
    virtual void showCircuitFunctions() {}
    // The window of the circuit's automaton: opened, or brought forward when open.
    // It is not modal and follows the circuit (see circuitChanged).
    virtual void showCircuitAutomaton() {}
    // The panel of the timing diagram under the work area: shown when hidden, else hidden.
    virtual void toggleTimingDiagram() {}
    // The program wrote these bytes to the file for the user (not a picture, which
    // writePicture hands over itself): a desktop has put them where the user looks;
    // the page, whose files are out of the user's reach, downloads them too.
    virtual void handOver(const std::string& /*fileName*/, std::span<const uint8_t> /*bytes*/) {}
    // The circuit changed in more than its levels: an undo step was kept, or one was
    // undone or redone, or a new circuit came in. The windows that follow it compute again.
    virtual void circuitChanged() {}
    // How much of the bar's range the client area shows, for the thumb's length: a
    // bar placed by moveControl shows its own length until told otherwise.
    virtual void setScrollPage(ScrollBarId /*bar*/, int32_t /*page*/) {}
    // The window's status line: called when what it shows changes.
    virtual void showStatus(const WindowStatus& /*status*/) {}
    // The zoom of the view changed (in percent): the desktop remembers it for the user.
    virtual void zoomChanged(int32_t /*zoom*/) {}
    // Puts a group of elements on the clipboard as the bytes of a circuit file, under
    // the program's own type, with its picture (`size` pixels, drawn by `paint` as a
    // picture file is) for programs that take pictures.
    virtual void putOnClipboard(const std::vector<uint8_t>& /*circuit*/, Size /*size*/,
                                const std::function<void(Canvas&)>& /*paint*/) {}
    // The bytes of the group on the clipboard; nothing when it holds none.
    virtual std::optional<std::vector<uint8_t>> clipboardCircuit() { return std::nullopt; }
    // False only when the shell knows the clipboard holds no group, so that
    // "Вставить" is disabled then; a shell that cannot look says true.
    virtual bool clipboardMayHoldCircuit() { return true; }
};

}  // namespace platform
