#include "web/DiskFiles.h"

#include <emscripten.h>
#include <unistd.h>

#include <cstdlib>

#include "app/FileMessages.h"
#include "app/Vortafrm.h"
#include "io/CircuitFile.h"
#include "io/FileCreation.h"

// clang-format off
EM_JS(void, lotraDownload, (const uint8_t* bytes, int size, const char* name), {
    lotra.download(HEAPU8.slice(bytes, bytes + size), UTF8ToString(name));
});
// clang-format on

namespace web {

namespace {
constexpr const char* kSuffix = ".vrt";
}  // namespace

// Read as every circuit file is read, so a file is handed over whole or not at all.
std::optional<platform::ComputerFile> takeStagedFile(platform::Shell& shell,
                                                     const std::string& stagedPath,
                                                     const std::string& name) {
    platform::ComputerFile file{name, {}};
    const io::ExistingFile staged = io::openExistingFile(stagedPath);
    const bool read = staged.isOpen() && io::readWholeFile(staged, file.bytes);
    ::unlink(stagedPath.c_str());
    if (read) return file;
    shell.messageBox(app::text::withFileName(app::text::kFileNotRead, name),
                     platform::kErrorCaption, platform::MessageBoxStyle::Ok);
    return std::nullopt;
}

void saveToDisk(const CVortafrm& window) {
    const std::vector<uint8_t> bytes = io::encodeCircuit(window.circuit());
    const std::string& current = window.currentFileName();
    std::string name = current.empty() ? "circuit" : current;
    const bool hasSuffix = name.size() > 4 && name.compare(name.size() - 4, 4, kSuffix) == 0;
    if (!hasSuffix) name += kSuffix;
    download(bytes, name);
}

void download(const std::vector<uint8_t>& bytes, const std::string& fileName) {
    const std::string name = fileName.substr(fileName.find_last_of('/') + 1);
    lotraDownload(bytes.data(), static_cast<int>(bytes.size()), name.c_str());
}

}  // namespace web
