#include "app/FileCommands.h"
#include "app/Vortafrm.h"
#include "platform/Shell.h"

// The main window's file commands, and the files dropped on it, go to the file
// commands with the door through which they replace the circuit.
app::FileCommandContext CVortafrm::fileCommandContext() {
    return {circuit_, currentFileName_, shell_,
            [this](CCircuit replacement, const std::string& fileName) {
                replaceCircuit(std::move(replacement), fileName);
            },
            [this] { history_.markSaved(); }};
}

void CVortafrm::OnFileNew() {
    app::fileNew(fileCommandContext());
}

void CVortafrm::OnFileOpen() {
    app::fileOpen(fileCommandContext());
}

void CVortafrm::OnFileLoadFromDisk() {
    app::fileLoadFromDisk(fileCommandContext());
}

void CVortafrm::OnDropFile(const platform::ComputerFile& file) {
    app::openDroppedFile(fileCommandContext(), file);
    afterMessage();
}

void CVortafrm::OnFileSave() {
    app::fileSave(fileCommandContext());
}

void CVortafrm::OnFileSaveAs() {
    app::fileSaveAs(fileCommandContext());
}

void CVortafrm::OnFileSavePicture() {
    app::fileSavePicture(fileCommandContext(), powerOn_, shownWireLevels());
}

bool CVortafrm::OnQueryClose() {
    if (!hasUnsavedChanges()) return true;
    switch (shell_.saveChangesDialog()) {
        case platform::SaveChangesAnswer::Save:
            OnFileSave();
            return !hasUnsavedChanges();
        case platform::SaveChangesAnswer::DontSave:
            return true;
        case platform::SaveChangesAnswer::Cancel:
            break;
    }
    return false;
}
