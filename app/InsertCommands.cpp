#include "app/Vortafrm.h"
#include "edit/Insertion.h"
#include "platform/Shell.h"

// The insert commands of the "Выбрать" menu, routed here by OnCommand. The new
// element starts under the pointer when the pointer is over the work area.
// Placing the element is the step; it begins here, so that it takes back the
// circuit as it was when the user chose the command.
void CVortafrm::OnInsertElement(ElementKind kind) {
    openUndoStep();
    edit::EditContext context = editContext();
    edit::insertElement(context, kind, shell_.pointerPosition());
    closeUndoStepAtRest();
}
