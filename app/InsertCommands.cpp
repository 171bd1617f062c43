#include "app/Vortafrm.h"

// The insert commands of the "Выбрать" menu are routed here by OnCommand. The new
// element starts where the pointer is, which the mouse dispatch knows; until that
// dispatch is routed to this window, these commands place nothing.
void CVortafrm::OnInsertElement(ElementKind) {}
