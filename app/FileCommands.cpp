#include "app/FileCommands.h"

#include <functional>
#include <utility>

#include "app/FileMessages.h"
#include "app/PictureNames.h"
#include "io/CircuitFile.h"
#include "io/FileCreation.h"
#include "io/FileReplacement.h"
#include "io/Recovery.h"
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

void reportNotACircuit(platform::Shell& shell, const std::string& fileName) {
    shell.messageBox(text::notACircuitFile(fileName), platform::kErrorCaption, MessageBoxStyle::Ok);
}

bool warnBeforeOpening(platform::Shell& shell) {
    return shell.warningDialog(text::kWarningAttention, text::kWarningOpenFile,
                               text::kWarningUnsavedLost);
}

bool confirmOverwrite(platform::Shell& shell, const std::string& fileName) {
    return shell.warningDialog(text::withFileName(text::kFileExists, fileName),
                               text::kFileExistsDataLoss, text::kFileExistsContents);
}

// The recovery file is the autosave's and a normal exit empties it: a circuit
// saved there would be gone at the next exit.
bool writeCircuitUnderTypedName(platform::Shell& shell, const std::string& fileName,
                                const CCircuit& content) {
    if (io::namesRecoveryFile(fileName)) {
        reportError(shell, text::kRecoveryFileRefused, fileName);
        return false;
    }
    return writeUnderTypedName(shell, fileName,
                               [&] { return io::writeCircuitFile(fileName, content); });
}

void saveUnderTypedName(const FileCommandContext& context, const std::string& fileName) {
    if (writeCircuitUnderTypedName(context.shell, fileName, context.circuit)) {
        context.currentFileName = fileName;
        context.markSaved();
    }
}

// Whether there is no file of that name, or it reads as a circuit file now.
bool absentOrCircuit(const std::string& fileName) {
    if (::access(fileName.c_str(), F_OK) != 0) return true;
    const io::ExistingFile file = io::openExistingFile(fileName);
    std::vector<uint8_t> bytes;
    CCircuit read;
    return file.isOpen() && io::readWholeFile(file, bytes) && io::decodeCircuitFile(bytes, read);
}

// A name from the computer as a name in the folder: no directories.
std::string folderName(std::string name) {
    for (char& c : name)
        if (c == '/') c = '_';
    if (name.empty() || name == "." || name == "..") name = "_" + name;
    return name;
}

// A file of that name in the folder may hold the user's own work: it is replaced
// only after the warning "Сохранить как..." gives for an existing name.
bool mayReplace(platform::Shell& shell, const std::string& fileName) {
    return !io::nameExists(fileName) || confirmOverwrite(shell, fileName);
}

// Copies the file into the folder, complete or not at all, and opens the copy as
// "Открыть..." opens a typed name.
void copyAndOpen(const FileCommandContext& context, const platform::ComputerFile& file) {
    const std::string fileName = folderName(file.name);
    if (CCircuit read; !io::decodeCircuitFile(file.bytes, read)) {
        reportNotACircuit(context.shell, fileName);
        return;
    }
    if (!mayReplace(context.shell, fileName)) return;
    if (!io::replaceFile(fileName, file.bytes)) {
        reportWriteFailure(context.shell, fileName);
        return;
    }
    openNamedFile(context, fileName);
}

}  // namespace

// Writes a file under a name the user has just typed, through `write`: a new file
// at once, an existing one only after the warning. `write` replaces whole, so a new
// name appears only with its complete content, never empty while it is written.
// Every failure is reported; true when the file now holds what `write` wrote.
bool writeUnderTypedName(platform::Shell& shell, const std::string& fileName,
                         const std::function<bool()>& write) {
    if (io::nameExists(fileName) && !confirmOverwrite(shell, fileName)) return false;
    if (write()) return true;
    reportWriteFailure(shell, fileName);
    return false;
}

void fileNew(const FileCommandContext& context) {
    if (!context.shell.warningDialog(text::kWarningAttention, text::kWarningNewFile,
                                     text::kWarningUnsavedLost)) {
        return;
    }
    // From here the old circuit is gone even when the user cancels the naming.
    context.replaceCircuit(CCircuit{}, context.currentFileName);
    context.markSaved();

    const std::optional<std::string> fileName =
        context.shell.fileNameDialog(text::kLabelNew, context.currentFileName);
    if (!fileName) return;
    const CCircuit emptyCircuit;
    if (writeCircuitUnderTypedName(context.shell, *fileName, emptyCircuit)) {
        context.currentFileName = *fileName;
    }
}

void fileOpen(const FileCommandContext& context) {
    if (!warnBeforeOpening(context.shell)) return;
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
    CCircuit opened;
    if (!io::decodeCircuitFile(bytes, opened)) {
        reportNotACircuit(context.shell, fileName);
        return;
    }
    io::removeAbandonedTemporaries(fileName);
    context.replaceCircuit(std::move(opened), fileName);
    context.markSaved();
}

void fileLoadFromDisk(const FileCommandContext& context) {
    if (!warnBeforeOpening(context.shell)) return;
    if (const std::optional<platform::ComputerFile> file = context.shell.chooseComputerFile())
        copyAndOpen(context, *file);
}

void openDroppedFile(const FileCommandContext& context, const platform::ComputerFile& file) {
    if (warnBeforeOpening(context.shell)) copyAndOpen(context, file);
}

void fileSave(const FileCommandContext& context) {
    const std::string& current = context.currentFileName;
    if (!current.empty()) {
        if (!absentOrCircuit(current) && !confirmOverwrite(context.shell, current)) return;
        // Replaced only once the new contents are complete: a failure keeps the old file.
        if (io::writeCircuitFile(current, context.circuit))
            context.markSaved();
        else
            reportWriteFailure(context.shell, current);
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

void fileSavePicture(const FileCommandContext& context, bool powerOn, WireLevels wireLevels) {
    savePictureFileUnderTypedName(
        context.shell, proposedPictureName(context.currentFileName),
        [&](const PictureName& picture) {
            const platform::PictureRequest request = render::circuitPictureRequest(
                context.circuit, picture.fileName, picture.format, context.currentFileName);
            return context.shell.writePicture(
                request,
                render::circuitPainting(context.circuit, request.area, powerOn, wireLevels));
        });
}

void savePictureFileUnderTypedName(platform::Shell& shell, const std::string& proposed,
                                   const std::function<bool(const PictureName&)>& write) {
    const std::optional<std::string> typed = shell.fileNameDialog(text::kLabelPicture, proposed);
    if (!typed) return;
    const PictureName picture = pictureName(*typed);
    writeUnderTypedName(shell, picture.fileName, [&] { return write(picture); });
}

void savePictureUnderTypedName(platform::Shell& shell, const std::string& proposed, Size size,
                               const std::string& title,
                               const std::function<void(platform::Canvas&)>& paint) {
    savePictureFileUnderTypedName(shell, proposed, [&](const PictureName& picture) {
        const platform::PictureRequest request{
            picture.fileName, picture.format, {0, 0, size.width, size.height}, title};
        return shell.writePicture(request, paint);
    });
}

}  // namespace app
