#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Shell.h"

class CVortafrm;

// The page's side of files from and to the user's computer, beside the folder in
// the browser's storage where the desktop's commands work.
namespace web {

// Command id of the item the page adds to the file menu after "Загрузить с диска...".
constexpr int kCommandSaveToDisk = 41002;

// Where the page puts the bytes of a circuit file chosen on the computer.
constexpr const char* kPickedPath = "/tmp/picked.vrt";
// The file the page has put at `stagedPath` (one chosen or dropped) under the name it
// has on the computer, taken away from there; nothing, once the user has been told,
// when it cannot be read.
std::optional<platform::ComputerFile> takeStagedFile(platform::Shell& shell,
                                                     const std::string& stagedPath,
                                                     const std::string& name);
// Hands the current circuit to the browser as a download "NAME.vrt".
void saveToDisk(const CVortafrm& window);
// Hands the bytes to the browser as a download under the last part of `fileName`.
void download(const std::vector<uint8_t>& bytes, const std::string& fileName);

}  // namespace web
