#pragma once
#include <cstdint>
#include <string>

#include "analysis/TimingRecording.h"
#include "analysis/TimingRows.h"
#include "app/FileCommands.h"
#include "app/UndoHistory.h"
#include "edit/EditContext.h"
#include "edit/EditState.h"
#include "model/Circuit.h"
#include "model/ElementKind.h"
#include "model/Geometry.h"
#include "model/Viewport.h"
#include "model/WireLevel.h"
#include "platform/WindowStatus.h"
#include "sim/Simulator.h"

namespace platform {
class Canvas;
class Shell;
struct ComputerFile;
enum class ScrollBarId;
}  // namespace platform

// The main window's core: owns the circuit, the power flag, the viewport, the
// editing state, the current file name and the undo history, and routes every
// command and window message to the module that handles it. The desktop layer
// forwards its events here, answers the requests made through the Shell and reads
// what it shows through the views below; nothing outside changes the state.
class CVortafrm {
  public:
    explicit CVortafrm(platform::Shell& desktop);
    ~CVortafrm();
    CVortafrm(const CVortafrm&) = delete;
    CVortafrm& operator=(const CVortafrm&) = delete;

    // Window creation (after the controls exist; the recovery file is read back)
    // and destruction.
    void OnCreate();
    void OnDestroy();
    // The window is about to close: true when it may. With changes since the last
    // Save or Open the user is asked first, and "Сохранить" saves as the file menu
    // does (the window stays when that saves nothing).
    bool OnQueryClose();
    // Whether the circuit differs from its file in more than levels: closing now
    // would lose work.
    bool hasUnsavedChanges() const { return !history_.isAtSavedMark(); }

    // Paints what the client area shows at the natural size, with the client area's
    // top-left corner at the canvas origin; the desktop magnifies the picture by the
    // viewport's zoom (at 100 % it is the client area itself).
    void OnPaint(platform::Canvas& canvas);
    void OnSize(int32_t width, int32_t height);
    void OnVScroll(int code, int32_t thumbPosition);
    void OnHScroll(int code, int32_t thumbPosition);
    void OnTimer(int id);
    // The wheel, or a touchpad's two-finger scroll: `turn` in eighths of a degree,
    // 120 a notch, positive for up (away from the user) and for left. Shift sends the
    // vertical turn sideways, Ctrl zooms about the pointer (client coordinates).
    void OnMouseWheel(uint32_t flags, Point turn, Point point);
    // The zoom the user last chose, given back when the window opens.
    void restoreZoom(int32_t zoom);

    // Mouse messages: key-state bits (platform::MK_*) and the pointer in client coordinates.
    void OnMouseMove(uint32_t flags, Point point);
    void OnLButtonDown(uint32_t flags, Point point);
    void OnLButtonUp(uint32_t flags, Point point);
    void OnLButtonDblClk(uint32_t flags, Point point);
    void OnRButtonDown(uint32_t flags, Point point);

    // A menu command; false when this window does not handle the id (the exit
    // command belongs to the desktop window). A disabled command does nothing.
    bool OnCommand(int id);
    // Whether the menu item of the command is enabled right now, and whether a
    // check item is checked.
    bool isCommandEnabled(int id) const;
    bool isCommandChecked(int id) const;

    // A file of the user's computer dropped on the window: opened as one loaded
    // with "Загрузить с диска...", after the same warning.
    void OnDropFile(const platform::ComputerFile& file);

    // The one door for a new circuit (New, Open, a file from the computer or
    // dropped, the recovery file): the editing state lets go of the old records,
    // the work area is repainted, and the replacement with its file name is one
    // undo step, which brings the name back too. In the middle of a gesture the
    // step also takes back what the gesture did, and an element still waiting to
    // be placed is placed as a step of its own.
    void replaceCircuit(CCircuit replacement, const std::string& fileName);

    // What the window shows, for painting, the menus and tests.
    const CCircuit& circuit() const { return circuit_; }
    const EditState& editState() const { return edit_; }
    const Viewport& viewport() const { return viewport_; }
    bool isPowerOn() const { return powerOn_; }
    const std::string& currentFileName() const { return currentFileName_; }
    const app::CUndoHistory& history() const { return history_; }
    // The last autosave could not write the recovery file; cleared by one that can.
    bool recoveryUnwritten() const { return recoveryUnwritten_; }
    // What the status line shows, as last handed to the desktop.
    const platform::WindowStatus& status() const { return shownStatus_; }
    // The levels from the last power on, and the rows of the timing diagram's panel.
    const analysis::CTimingRecording& timingRecording() const { return timing_; }
    const analysis::CTimingRows& timingRows() const { return timingRows_; }
    // The panel's row menu, "Добавить сигнал..." and "Сохранить диаграмму...".
    void OnTimingRow(analysis::TimingRowAction action, size_t row);
    void OnTimingAddSignal(const analysis::TimingRow& row);
    void OnTimingSave(int32_t pixelsPerTick);

  private:
    // The commands of the "Питание" and "Управление генератором" menus.
    void OnPowerOn();
    void OnPowerOff();
    void OnGeneratorStart();
    void OnGeneratorStop();
    // Settling by hand: "Пересчитать", "Сбросить триггеры" and "Такт".
    void OnPowerSettle();
    void OnPowerResetTriggers();
    void OnGeneratorTick();
    void settleNow();

    // The "Файл" menu, and the page's "Загрузить с диска...".
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileSavePicture();
    void OnFileLoadFromDisk();
    // The "Выбрать" menu: a new element of that kind follows the pointer.
    void OnInsertElement(ElementKind kind);
    // The "Правка" menu: the circuit as before the last step, or as after the step
    // undone last; with the power on it then settles.
    void OnEditUndo();
    void OnEditRedo();
    // The "П&равка" menu's commands on the chosen elements, Escape and the arrows.
    bool isGroupCommandEnabled(int id) const;
    void OnEditGroup(int id);
    void copySelection();
    void paste();
    // A pending element, pasted group or wire end goes where the pointer shows now.
    void followPointerAfterViewChange();
    // The "В&ид" menu's zoom, about the middle of the work area.
    void OnViewZoom(int command);
    // The view at that zoom with the work-area point under `anchor` kept there.
    void zoomAbout(int32_t zoom, Point anchor);
    void showScrollPositions();

    // The undo history's steps: a message that may change the tables opens one
    // before it runs, and it closes after any message that leaves no gesture under
    // way.
    void openUndoStep();
    void closeUndoStepAtRest();

    // Ends every message: with the power on, a change is settled at once when the
    // user asked for that, or else checked against a settle; the status line is
    // told what changed.
    void afterMessage();
    platform::WindowStatus currentStatus() const;
    // The wire colours of a paint or picture: empty unless they are shown.
    WireLevels shownWireLevels() const;

    bool routeCommand(int id);

    using MouseHandler = void (*)(edit::EditContext&, uint32_t, Point);

    app::FileCommandContext fileCommandContext();
    edit::EditContext editContext();
    void dispatchMouse(MouseHandler handler, uint32_t flags, Point point);
    void scrollAlong(platform::ScrollBarId bar, int code, int32_t thumbPosition);
    void showRestored();

    platform::Shell& shell_;
    bool powerOn_ = false;
    bool recoveryUnwritten_ = false;
    std::string currentFileName_;
    EditState edit_;
    CCircuit circuit_;
    // Settles the circuit on power-on and generator ticks, keeping what it worked out
    // of the wiring while the wiring stays as it is.
    sim::CSimulator simulation_{circuit_};
    Viewport viewport_;
    // What the wheel turned short of a whole line or zoom step, kept for its next turn.
    Point wheelScrollRest_;
    int32_t wheelZoomRest_ = 0;
    app::CUndoHistory history_;

    // Only for the status line: the timer itself is the clock.
    bool generatorRunning_ = false;
    // The "Вид" menu's options, both off until the user turns them on.
    bool settleAfterChange_ = false;
    bool wireLevelsShown_ = false;
    // The levels shown are not those a settle would give; the last settle stopped
    // at the pass bound.
    bool levelsStale_ = false;
    bool unsettled_ = false;
    // What afterMessage saw last, and the copy it settles to check a change.
    uint64_t stepsSeen_ = 0;
    uint64_t settlesSeen_ = 0;
    CCircuit trial_;
    platform::WindowStatus shownStatus_;
    bool statusShown_ = false;
    // Takes a column wherever the clock or a toggle settled the circuit; the undo
    // history leaves it alone.
    analysis::CTimingRecording timing_;
    analysis::CTimingRows timingRows_;
    // The recording and the rows look at the circuit again after it changed; a new
    // circuit starts from the rows it shows by default.
    void timingFollowsCircuit(bool newCircuit = false);
};
