#pragma once
#include <cstdint>
#include <string>

#include "app/UndoHistory.h"
#include "edit/EditState.h"
#include "model/Circuit.h"
#include "model/ElementKind.h"
#include "model/Geometry.h"
#include "model/Viewport.h"
#include "model/WorkAreaGeometry.h"
#include "sim/Simulator.h"

namespace platform {
class Canvas;
class Shell;
}  // namespace platform

// The main window's core: owns the circuit, the power flag, the scroll offsets,
// the editing state and the current file name, and routes every command and
// window message to the module that handles it. The desktop layer forwards its
// events here and answers the requests made through the Shell.
class CVortafrm {
  public:
    explicit CVortafrm(platform::Shell& desktop);
    ~CVortafrm();
    CVortafrm(const CVortafrm&) = delete;
    CVortafrm& operator=(const CVortafrm&) = delete;

    // Window creation (after the controls exist) and destruction.
    void OnCreate();
    void OnDestroy();

    void OnPaint(platform::Canvas& canvas);
    void OnSize(int32_t width, int32_t height);
    void OnVScroll(int code, int32_t thumbPosition);
    void OnHScroll(int code, int32_t thumbPosition);
    void OnTimer(int id);

    // Mouse messages: key-state bits (platform::MK_*) and the pointer in client coordinates.
    void OnMouseMove(uint32_t flags, Point point);
    void OnLButtonDown(uint32_t flags, Point point);
    void OnLButtonUp(uint32_t flags, Point point);
    void OnLButtonDblClk(uint32_t flags, Point point);
    void OnRButtonDown(uint32_t flags, Point point);

    // A menu command; false when this window does not handle the id (the exit
    // command belongs to the desktop window). A disabled command does nothing.
    bool OnCommand(int id);
    // Whether the menu item of the command is enabled right now.
    bool isCommandEnabled(int id) const;

    // The commands of the "Питание" and "Управление генератором" menus.
    void OnPowerOn();
    void OnPowerOff();
    void OnGeneratorStart();
    void OnGeneratorStop();

    // The "Файл" menu.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFileSavePicture();
    // The "Выбрать" menu: a new element of that kind follows the pointer.
    void OnInsertElement(ElementKind kind);
    // The "Правка" menu: the circuit as before the last step, or as after the step
    // undone last; with the power on it then settles.
    void OnEditUndo();
    void OnEditRedo();

    // The undo history's steps: a message that may change the tables opens one
    // before it runs, and it closes after any message that leaves no gesture under
    // way. New and Open are steps of their own, which also bring back the file name.
    void openUndoStep();
    void closeUndoStepAtRest();
    void runFileStep(void (CVortafrm::*command)());

    platform::Shell& shell;
    bool powerOn = false;
    std::string currentFileName;
    EditState edit;
    CCircuit circuit;
    // Settles the circuit on power-on and generator ticks, keeping what it worked out
    // of the wiring while the wiring stays as it is.
    sim::CSimulator simulation{circuit};
    Viewport scroll;
    app::CUndoHistory history;
};
