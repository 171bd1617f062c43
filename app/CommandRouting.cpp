#include "app/AutomatonCheck.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "edit/EditState.h"
#include "platform/Shell.h"
#include "render/Zooming.h"

namespace {
// The element kind an insert command places.
std::optional<ElementKind> insertedKind(int id) {
    for (const ElementKindInfo& info : kElementKindInfos)
        if (info.insertCommand == id) return info.kind;
    return std::nullopt;
}

// The commands on the chosen elements, Escape and the arrow keys.
bool isGroupCommand(int id) {
    switch (id) {
        case command::EditCut:
        case command::EditCopy:
        case command::EditPaste:
        case command::EditDelete:
        case command::EditSelectAll:
        case command::EditCancel:
        case command::EditMoveLeft:
        case command::EditMoveRight:
        case command::EditMoveUp:
        case command::EditMoveDown:
            return true;
        default:
            return false;
    }
}
}  // namespace

bool CVortafrm::isCommandEnabled(int id) const {
    // A pasted group is put down or dropped before anything else is placed.
    if (edit_.pendingGroup && insertedKind(id)) return false;
    if (isGroupCommand(id)) return isGroupCommandEnabled(id);
    switch (id) {
        case command::PowerOn:
            return !powerOn_;
        case command::PowerOff:
        case command::PowerSettle:
        case command::GeneratorStart:
        case command::GeneratorStop:
        case command::GeneratorTick:
            return powerOn_;
        // A gesture under way is finished or cancelled first.
        case command::EditUndo:
            return history_.canUndo() && !gestureUnderWay(edit_);
        case command::EditRedo:
            return history_.canRedo() && !gestureUnderWay(edit_);
        case command::ViewZoomIn:
            return viewport_.zoom < render::kLargestZoom;
        case command::ViewZoomOut:
            return viewport_.zoom > render::kSmallestZoom;
        case command::ViewZoomNatural:
            return viewport_.zoom != Viewport::kNaturalZoom;
        default:
            return true;
    }
}

bool CVortafrm::isCommandChecked(int id) const {
    switch (id) {
        case command::ViewSettleAfterChange:
            return settleAfterChange_;
        case command::ViewWireLevels:
            return wireLevelsShown_;
        default:
            return false;
    }
}

bool CVortafrm::OnCommand(int id) {
    const bool handled = routeCommand(id);
    afterMessage();
    return handled;
}

bool CVortafrm::routeCommand(int id) {
    // A disabled menu item sends nothing; a command that arrives anyway is dropped
    // the same way, so power and clock never run out of their order.
    if (!isCommandEnabled(id)) return true;
    if (const std::optional<ElementKind> kind = insertedKind(id)) {
        OnInsertElement(*kind);
        return true;
    }
    if (isGroupCommand(id)) {
        OnEditGroup(id);
        return true;
    }
    switch (id) {
        case command::FileNew:
            OnFileNew();
            return true;
        case command::FileOpen:
            OnFileOpen();
            return true;
        case command::FileLoadFromDisk:
            OnFileLoadFromDisk();
            return true;
        case command::FileSave:
            OnFileSave();
            return true;
        case command::FileSaveAs:
            OnFileSaveAs();
            return true;
        case command::EditUndo:
            OnEditUndo();
            return true;
        case command::EditRedo:
            OnEditRedo();
            return true;
        case command::ViewZoomIn:
        case command::ViewZoomOut:
        case command::ViewZoomNatural:
            OnViewZoom(id);
            return true;
        case command::FileSavePicture:
            OnFileSavePicture();
            return true;
        case command::PowerOn:
            OnPowerOn();
            return true;
        case command::PowerOff:
            OnPowerOff();
            return true;
        case command::GeneratorStart:
            OnGeneratorStart();
            return true;
        case command::GeneratorStop:
            OnGeneratorStop();
            return true;
        case command::PowerSettle:
            OnPowerSettle();
            return true;
        case command::PowerResetTriggers:
            OnPowerResetTriggers();
            return true;
        case command::GeneratorTick:
            OnGeneratorTick();
            return true;
        case command::ViewSettleAfterChange:
            settleAfterChange_ = !settleAfterChange_;
            return true;
        case command::ViewWireLevels:
            wireLevelsShown_ = !wireLevelsShown_;
            shell_.invalidateWorkArea(false);
            return true;
        case command::AnalysisFunctions:
            shell_.showCircuitFunctions();
            return true;
        case command::AnalysisAutomaton:
            shell_.showCircuitAutomaton();
            return true;
        case command::AnalysisCheckByTable:
            app::checkByTable(shell_, circuit_);
            return true;
        case command::AnalysisTimingDiagram:
            shell_.toggleTimingDiagram();
            return true;
        case command::HelpAbout:
            shell_.aboutDialog();
            return true;
        case command::HelpNote:
            shell_.helpNoteDialog();
            return true;
        default:
            return false;
    }
}
