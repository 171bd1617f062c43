#include "web/DiskFiles.h"

#include <emscripten.h>
#include <unistd.h>

#include <cstdlib>

#include "app/FileCommands.h"
#include "app/FileMessages.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "io/FileCreation.h"
#include "io/FileReplacement.h"
#include "platform/Shell.h"

// clang-format off
// The chosen file's name (malloc'd), its bytes put at the staging path; null when
// the user chose nothing.
EM_ASYNC_JS(char*, lotraPickFile, (const char* stagedPath), {
    const name = await lotra.pickFile(UTF8ToString(stagedPath));
    if (name === null) return 0;
    const size = lengthBytesUTF8(name) + 1;
    const copy = _malloc(size);
    stringToUTF8(name, copy, size);
    return copy;
});
EM_JS(void, lotraDownload, (const uint8_t* bytes, int size, const char* name), {
    lotra.download(HEAPU8.slice(bytes, bytes + size), UTF8ToString(name));
});
// clang-format on

namespace web {

namespace {

constexpr const char* kPickedPath = "/tmp/picked.vrt";
constexpr const char* kSuffix = ".vrt";

// A name from the computer as a name in the folder: no directories.
std::string folderName(std::string name) {
    for (char& c : name)
        if (c == '/') c = '_';
    if (name.empty() || name == "." || name == "..") name = "_" + name;
    return name;
}

// The staged bytes, read as every circuit file is read, put into the folder complete
// or not at all.
bool copyFile(const std::string& from, const std::string& to) {
    const io::ExistingFile source = io::openExistingFile(from);
    std::vector<uint8_t> bytes;
    return source.isOpen() && io::readWholeFile(source, bytes) && io::replaceFile(to, bytes);
}

bool warnBeforeOpening(CVortafrm& window) {
    return window.shell.warningDialog(app::text::kWarningAttention, app::text::kWarningOpenFile,
                                      app::text::kWarningUnsavedLost);
}

// A file of that name in the folder may hold the user's own work: it is replaced
// only after the warning "Сохранить как..." gives for an existing name.
bool mayReplace(CVortafrm& window, const std::string& fileName) {
    if (::access(fileName.c_str(), F_OK) != 0) return true;
    return window.shell.warningDialog(app::text::withFileName(app::text::kFileExists, fileName),
                                      app::text::kFileExistsDataLoss,
                                      app::text::kFileExistsContents);
}

// Copies the staged bytes into the folder and opens them as "Открыть..." opens a
// typed name.
void copyAndOpen(CVortafrm& window, const std::string& stagedPath, const std::string& name) {
    const std::string fileName = folderName(name);
    if (!mayReplace(window, fileName)) return;
    if (!copyFile(stagedPath, fileName)) {
        window.shell.messageBox(app::text::withFileName(app::text::kFileNotWritten, fileName),
                                platform::kErrorCaption, platform::MessageBoxStyle::Ok);
        return;
    }
    app::openNamedFile({window.circuit, window.edit, window.currentFileName, window.shell},
                       fileName);
}

}  // namespace

void loadFromDisk(CVortafrm& window) {
    if (!warnBeforeOpening(window)) return;
    char* picked = lotraPickFile(kPickedPath);
    if (!picked) return;
    const std::string name(picked);
    std::free(picked);
    copyAndOpen(window, kPickedPath, name);
    ::unlink(kPickedPath);
}

void openDroppedFile(CVortafrm& window, const std::string& stagedPath, const std::string& name) {
    if (warnBeforeOpening(window)) copyAndOpen(window, stagedPath, name);
    ::unlink(stagedPath.c_str());
}

void saveToDisk(const CVortafrm& window) {
    const std::vector<uint8_t> bytes = io::encodeCircuit(window.circuit);
    std::string name = window.currentFileName.empty() ? "circuit" : window.currentFileName;
    const bool hasSuffix = name.size() > 4 && name.compare(name.size() - 4, 4, kSuffix) == 0;
    if (!hasSuffix) name += kSuffix;
    download(bytes, name);
}

void download(const std::vector<uint8_t>& bytes, const std::string& fileName) {
    const std::string name = fileName.substr(fileName.find_last_of('/') + 1);
    lotraDownload(bytes.data(), static_cast<int>(bytes.size()), name.c_str());
}

}  // namespace web
