#pragma once
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <string>

#include "analysis/ValueChangeDump.h"
#include "io/FileReplacement.h"
#include "model/Circuit.h"
#include "platform/Picture.h"

// Every file lotra-sim writes is written as the window saves a circuit: replaced
// whole and only when complete, through a link to its target, and never over a
// file the user may not write.
namespace lotrasim {

// One line on `err` saying that `path` was not written, and why; returns false.
bool cannotWrite(std::ostream& err, const std::string& path, const std::string& reason);

// The picture format the name's ending (.png, .svg, .pdf in any letter case) names.
std::optional<platform::PictureFormat> pictureFormatOfName(std::string path);

// False, after saying so on `err`, when the file could not be replaced.
bool writeOutputFile(const std::string& path, std::span<const uint8_t> bytes, std::ostream& err);

// The value change dump of a run, written as the run goes. Its file is claimed
// before the run, so that a name that cannot be written stops it at once, and is
// replaced when the run is finished. Without a path it does nothing.
class CDumpFile {
  public:
    CDumpFile(const std::optional<std::string>& path, std::ostream& err);
    bool opened() const { return opened_; }
    void start(const CCircuit& circuit);
    void sample(const CCircuit& circuit, uint64_t time);
    // False, after saying so on `err`, when the file could not be written.
    bool finish(uint64_t time);

  private:
    void passOn();

    const std::optional<std::string>& path_;
    std::ostream& err_;
    io::CFileReplacement file_;
    bool opened_ = true;
    std::ostringstream text_;
    std::optional<analysis::CValueChangeDump> dump_;
};

}  // namespace lotrasim
