#include "tools/lotra-sim/OutputFiles.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>

namespace lotrasim {
namespace {

// The dump goes to its file in pieces of about this size, so that a long run
// never holds the whole text.
constexpr size_t kPieceBytes = size_t{1} << 20;

std::span<const uint8_t> bytesOf(std::string_view text) {
    return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::optional<platform::PictureFormat> pictureFormatOfName(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto endsWith = [&path](const std::string& ending) {
        return path.size() > ending.size() &&
               path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
    };
    if (endsWith(".png")) return platform::PictureFormat::Png;
    if (endsWith(".svg")) return platform::PictureFormat::Svg;
    if (endsWith(".pdf")) return platform::PictureFormat::Pdf;
    return std::nullopt;
}

bool cannotWrite(std::ostream& err, const std::string& path, const std::string& reason) {
    err << "lotra-sim: cannot write '" << path << "': " << reason << '\n';
    return false;
}

bool writeOutputFile(const std::string& path, std::span<const uint8_t> bytes, std::ostream& err) {
    return io::replaceFile(path, bytes) || cannotWrite(err, path, std::strerror(errno));
}

CDumpFile::CDumpFile(const std::optional<std::string>& path, std::ostream& err)
    : path_(path), err_(err) {
    if (path_ && file_.begin(*path_) != io::ReplacementStart::Started)
        opened_ = cannotWrite(err_, *path_, std::strerror(errno));
}

void CDumpFile::start(const CCircuit& circuit) {
    if (path_) dump_.emplace(text_, circuit);
}

void CDumpFile::sample(const CCircuit& circuit, uint64_t time) {
    if (!dump_) return;
    dump_->sample(circuit, time);
    if (text_.view().size() >= kPieceBytes) passOn();
}

bool CDumpFile::finish(uint64_t time) {
    if (!dump_) return true;
    dump_->finish(time);
    passOn();
    return file_.commit() || cannotWrite(err_, *path_, std::strerror(errno));
}

void CDumpFile::passOn() {
    file_.append(bytesOf(text_.view()));
    text_.str({});
}

}  // namespace lotrasim
