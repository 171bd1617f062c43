#include "app/FileCommands.h"

#include <unistd.h>

#include <functional>

#include "app/FileMessages.h"
#include "app/PictureNames.h"
#include "app/Vortafrm.h"
#include "edit/CircuitReplacement.h"
#include "io/CircuitFile.h"
#include "io/FileCreation.h"
#include "io/Temporaries.h"
#include "platform/Shell.h"
#include "render/CircuitPicture.h"

namespace app {
namespace {

using platform::MessageBoxStyle;

void reportError(platform::Shell& shell, const char* message, const std::string& fileName) {
    shell.messageBox(text::withFileName(message, fileName), platform::kErrorCaption,
                     MessageBoxStyle::Ok);
}

void reportWriteFailure(platform::Shell& shell, const std::string& fileName) {
    reportError(shell, text::kFileNotWritten, fileName);
}

bool confirmOverwrite(platform::Shell& shell, const std::string& fileName) {
    return shell.warningDialog(text::withFileName(text::kFileExists, fileName),
                               text::kFileExistsDataLoss, text::kFileExistsContents);
}

// Writes a file under a name the user has just typed, through `write`: a new file
// at once, an existing one only after the warning. Every failure is reported; true
// when the file now holds what `write` wrote.
bool writeUnderTypedName(platform::Shell& shell, const std::string& fileName,
                         const std::function<bool()>& write) {
    switch (io::createNewFile(fileName)) {
        case io::NewFileResult::Created:
            if (write()) return true;
            // The empty file made above must not pass for a saved one.
            ::unlink(fileName.c_str());
            break;
        case io::NewFileResult::AlreadyExists:
            if (!confirmOverwrite(shell, fileName)) return false;
            if (write()) return true;
            break;
        case io::NewFileResult::Failed:
            break;
    }
    reportWriteFailure(shell, fileName);
    return false;
}

bool writeCircuitUnderTypedName(platform::Shell& shell, const std::string& fileName,
                                const CCircuit& content) {
    return writeUnderTypedName(shell, fileName,
                               [&] { return io::writeCircuitFile(fileName, content); });
}

void saveUnderTypedName(const FileCommandContext& context, const std::string& fileName) {
    if (writeCircuitUnderTypedName(context.shell, fileName, context.circuit)) {
        context.currentFileName = fileName;
    }
}

}  // namespace

void fileNew(const FileCommandContext& context) {
    if (!context.shell.warningDialog(text::kWarningAttention, text::kWarningNewFile,
                                     text::kWarningUnsavedLost)) {
        return;
    }
    // From here the old circuit is gone even when the user cancels the naming.
    edit::discardCircuit(context.circuit, context.edit);
    context.shell.invalidateWorkArea(true);

    const std::optional<std::string> fileName =
        context.shell.fileNameDialog(text::kLabelNew, context.currentFileName);
    if (!fileName) return;
    const CCircuit emptyCircuit;
    if (writeCircuitUnderTypedName(context.shell, *fileName, emptyCircuit)) {
        context.currentFileName = *fileName;
    }
}

void fileOpen(const FileCommandContext& context) {
    if (!context.shell.warningDialog(text::kWarningAttention, text::kWarningOpenFile,
                                     text::kWarningUnsavedLost)) {
        return;
    }
    const std::optional<std::string> fileName =
        context.shell.fileNameDialog(text::kLabelOpen, context.currentFileName);
    if (fileName) openNamedFile(context, *fileName);
}

void openNamedFile(const FileCommandContext& context, const std::string& fileName) {
    const io::ExistingFile file = io::openExistingFile(fileName);
    if (!file.isOpen()) {
        reportError(context.shell, text::kFileNotFound, fileName);
        return;
    }
    // The circuit is replaced only by a whole file: one read half keeps everything.
    std::vector<uint8_t> bytes;
    if (!io::readWholeFile(file, bytes)) {
        reportError(context.shell, text::kFileNotRead, fileName);
        return;
    }
    io::removeAbandonedTemporaries(fileName);
    edit::discardCircuit(context.circuit, context.edit);
    io::decodeCircuit(bytes, context.circuit);
    context.currentFileName = fileName;
    context.shell.invalidateWorkArea(true);
}

void fileSave(const FileCommandContext& context) {
    if (!context.currentFileName.empty()) {
        // Replaced only once the new contents are complete: a failure keeps the old file.
        if (!io::writeCircuitFile(context.currentFileName, context.circuit)) {
            reportWriteFailure(context.shell, context.currentFileName);
        }
        return;
    }
    const std::optional<std::string> fileName = context.shell.fileNameDialog(text::kLabelSave, "");
    if (!fileName) {
        context.shell.messageBox(text::kFileNotSaved, "", MessageBoxStyle::Ok);
        return;
    }
    saveUnderTypedName(context, *fileName);
}

void fileSaveAs(const FileCommandContext& context) {
    const std::optional<std::string> fileName =
        context.shell.fileNameDialog(text::kLabelSave, context.currentFileName);
    if (!fileName) return;
    saveUnderTypedName(context, *fileName);
}

void fileSavePicture(const FileCommandContext& context, bool powerOn) {
    const std::optional<std::string> typed = context.shell.fileNameDialog(
        text::kLabelPicture, proposedPictureName(context.currentFileName));
    if (!typed) return;
    const PictureName picture = pictureName(*typed);
    const platform::PictureRequest request = render::circuitPictureRequest(
        context.circuit, picture.fileName, picture.format, context.currentFileName);
    const auto paint = render::circuitPainting(context.circuit, request.area, powerOn);
    writeUnderTypedName(context.shell, picture.fileName,
                        [&] { return context.shell.writePicture(request, paint); });
}

}  // namespace app

namespace {
app::FileCommandContext fileCommandContext(CVortafrm& window) {
    return {window.circuit, window.edit, window.currentFileName, window.shell};
}
}  // namespace

void CVortafrm::OnFileNew() {
    app::fileNew(fileCommandContext(*this));
}

void CVortafrm::OnFileOpen() {
    app::fileOpen(fileCommandContext(*this));
}

void CVortafrm::OnFileSave() {
    app::fileSave(fileCommandContext(*this));
}

void CVortafrm::OnFileSaveAs() {
    app::fileSaveAs(fileCommandContext(*this));
}

void CVortafrm::OnFileSavePicture() {
    app::fileSavePicture(fileCommandContext(*this), powerOn);
}
