#pragma once
#include <cstdint>
#include <string>
#include <vector>

class CVortafrm;

// The page's own file commands: circuits come from and go to the user's computer,
// beside the folder in the browser's storage where the desktop's commands work.
namespace web {

// Command ids of the two items the page adds to the file menu, before "Выход".
constexpr int kCommandLoadFromDisk = 41001;
constexpr int kCommandSaveToDisk = 41002;

// After the warning of "Открыть...", asks the page for a circuit file from the
// computer, copies it into the folder under its own name and opens it.
void loadFromDisk(CVortafrm& window);
// The same for a file dropped on the page, whose bytes the page has put at
// `stagedPath` outside the folder.
void openDroppedFile(CVortafrm& window, const std::string& stagedPath, const std::string& name);
// Hands the current circuit to the browser as a download "NAME.vrt".
void saveToDisk(const CVortafrm& window);
// Hands the bytes to the browser as a download under the last part of `fileName`.
void download(const std::vector<uint8_t>& bytes, const std::string& fileName);

}  // namespace web
