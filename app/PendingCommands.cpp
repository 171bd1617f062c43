#include "app/Vortafrm.h"

// The file commands (New, Open, Save, Save As) and the insert commands are routed
// here by OnCommand. Their work belongs to the file-commands and insertion modules,
// which are not part of the program yet; until they are, these commands change nothing.
void CVortafrm::OnFileNew() {}
void CVortafrm::OnFileOpen() {}
void CVortafrm::OnFileSave() {}
void CVortafrm::OnFileSaveAs() {}
void CVortafrm::OnInsertElement(ElementKind) {}
