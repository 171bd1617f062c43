#include "io/FileCommands.h"

#include "app/Vortafrm.h"

namespace {
io::FileCommandContext fileCommandContext(CVortafrm& window) {
    return {window.circuit, window.edit, window.currentFileName, window.shell};
}
}  // namespace

void CVortafrm::OnFileNew() {
    io::fileNew(fileCommandContext(*this));
}

void CVortafrm::OnFileOpen() {
    io::fileOpen(fileCommandContext(*this));
}

void CVortafrm::OnFileSave() {
    io::fileSave(fileCommandContext(*this));
}

void CVortafrm::OnFileSaveAs() {
    io::fileSaveAs(fileCommandContext(*this));
}
