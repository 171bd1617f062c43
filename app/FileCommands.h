#pragma once
#include <functional>
#include <string>

#include "app/PictureNames.h"
#include "model/Circuit.h"
#include "model/WireLevel.h"

#include "model/Geometry.h"

namespace platform {
class Canvas;
class Shell;
struct ComputerFile;
}  // namespace platform

// The commands of the file menu. The user types every file name; nothing asks
// whether to save, the warnings say in general terms that unsaved work is lost.
// None of them touches the power, the generator clock or the window title.
namespace app {

// The main window's door for a new circuit under a file name (CVortafrm::replaceCircuit).
using CircuitDoor = std::function<void(CCircuit replacement, const std::string& fileName)>;
// Told that the circuit as it stands is the one in its file now (after Open and
// Save), or holds nothing to lose (after New).
using SavedMark = std::function<void()>;

// What the file commands work on: the main window's circuit, which they replace
// only through `replaceCircuit` (painting a picture of it still refreshes the
// bitmaps of signals and generators), the name of the current circuit file (empty
// when there is none), the desktop, and who keeps track of unsaved changes.
struct FileCommandContext {
    CCircuit& circuit;
    std::string& currentFileName;
    platform::Shell& shell;
    CircuitDoor replaceCircuit;
    SavedMark markSaved = [] {};
};

// Empties the work area and creates an empty file under a typed name.
void fileNew(const FileCommandContext& context);
// Replaces the circuit by the one of a typed file, with the levels stored there.
void fileOpen(const FileCommandContext& context);
// Opens a named file as "Открыть..." does once the name is typed: the circuit is
// replaced only by the whole file; a missing or unreadable file, or one that is not
// a circuit file, is reported, and the circuit and its name stay.
void openNamedFile(const FileCommandContext& context, const std::string& fileName);
// After the warning of "Открыть...", asks the desktop for a file of the user's
// computer, copies it into the current folder under its own name and opens it
// there, so that Save writes to that copy.
void fileLoadFromDisk(const FileCommandContext& context);
// The same for a file the user dropped on the window, from the warning on.
void openDroppedFile(const FileCommandContext& context, const platform::ComputerFile& file);
// Writes the circuit to the current file, or asks for a name when there is none.
// A current file that no longer reads as a circuit is replaced only after the
// warning for an existing file.
void fileSave(const FileCommandContext& context);
// Writes the circuit under a typed name, which becomes the current file.
void fileSaveAs(const FileCommandContext& context);
// Writes a picture of the circuit, as shown with the power on or off, under a
// typed name whose ending (.png, .svg, .pdf) decides the format; with wire levels
// the wires are coloured as in the window.
void fileSavePicture(const FileCommandContext& context, bool powerOn, WireLevels wireLevels = {});
// Writes a file under a name the user has just typed, through `write`: a new file
// at once, an existing one only after the warning; every failure is reported.
bool writeUnderTypedName(platform::Shell& shell, const std::string& fileName,
                         const std::function<bool()>& write);
// Writes another picture (a Karnaugh map) the same way: the name first offered is
// `proposed`, `paint` draws it on white with its top-left corner at the origin, and
// `title` goes under it on a PDF page.
void savePictureUnderTypedName(platform::Shell& shell, const std::string& proposed, Size size,
                               const std::string& title,
                               const std::function<void(platform::Canvas&)>& paint);
// The same for a picture that `write` makes and writes whole in the format the typed
// name asks for; false when it could not, which is reported.
void savePictureFileUnderTypedName(platform::Shell& shell, const std::string& proposed,
                                   const std::function<bool(const PictureName&)>& write);

}  // namespace app
