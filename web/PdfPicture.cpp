#include "web/PdfPicture.h"

#include <cstdio>

#include "platform/ProgramName.h"
#include "web/PngEncoder.h"

namespace web {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code points of UTF-8 text; a broken sequence reads as the replacement character.
std::u32string codePoints(const std::string& text) {
    std::u32string points;
    for (size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80         ? 1
                              : (lead >> 5) == 6  ? 2
                              : (lead >> 4) == 14 ? 3
                              : (lead >> 3) == 30 ? 4
                                                  : 0;
        bool whole = length != 0 && i + length <= text.size();
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (size_t k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            whole = (next & 0xC0) == 0x80;
            point = point << 6 | (next & 0x3F);
        }
        points += whole ? point : kReplacement;
        i += whole ? length : 1;
    }
    return points;
}

// A PDF text string in UTF-16BE with its byte order mark, written in hex.
std::string pdfText(const std::string& utf8) {
    std::string hex = "<FEFF";
    char unit[5];
    auto put = [&](unsigned value) {
        std::snprintf(unit, sizeof unit, "%04X", value & 0xFFFF);
        hex += unit;
    };
    for (char32_t point : codePoints(utf8)) {
        if (point > 0x10FFFF) point = kReplacement;
        if (point >= 0x10000) {
            put(0xD800 + ((point - 0x10000) >> 10));
            put(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            put(point);
        }
    }
    return hex + ">";
}

// The file as it grows, with where each object starts for the cross-reference table.
class PdfFile {
  public:
    void add(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
    void beginObject() {
        offsets_.push_back(bytes_.size());
        add(std::to_string(offsets_.size()) + " 0 obj\n");
    }
    void addObject(const std::string& body) {
        beginObject();
        add(body + "\nendobj\n");
    }
    void addStream(const std::string& dictionary, const std::vector<uint8_t>& data) {
        beginObject();
        add("<< " + dictionary + " /Length " + std::to_string(data.size()) + " >>\nstream\n");
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        add("\nendstream\nendobj\n");
    }
    // The cross-reference table and the trailer; the catalogue is object 1, the
    // document information the last.
    std::vector<uint8_t> finish() {
        const size_t table = bytes_.size();
        const std::string count = std::to_string(offsets_.size() + 1);
        add("xref\n0 " + count + "\n0000000000 65535 f \n");
        char entry[21];
        for (const size_t offset : offsets_) {
            std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
            add(entry);
        }
        add("trailer\n<< /Size " + count + " /Root 1 0 R /Info " + std::to_string(offsets_.size()) +
            " 0 R >>\nstartxref\n" + std::to_string(table) + "\n%%EOF\n");
        return std::move(bytes_);
    }

  private:
    std::vector<uint8_t> bytes_;
    std::vector<size_t> offsets_;
};

}  // namespace

std::vector<uint8_t> pdfWithPixels(const Picture& picture, const std::string& title,
                                   const ZlibCompressor& compress) {
    const std::string width = std::to_string(picture.width);
    const std::string height = std::to_string(picture.height);
    const std::string drawing = "q " + width + " 0 0 " + height + " 0 0 cm /Image Do Q";
    PdfFile pdf;
    // The comment of high bytes tells programs that the file is binary.
    pdf.add("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n");
    pdf.addObject("<< /Type /Catalog /Pages 2 0 R >>");
    pdf.addObject("<< /Type /Pages /Kids [3 0 R] /Count 1 >>");
    pdf.addObject("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + width + " " + height +
                  "] /Resources << /XObject << /Image 4 0 R >> >> /Contents 5 0 R >>");
    pdf.addStream("/Type /XObject /Subtype /Image /Width " + width + " /Height " + height +
                      " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode",
                  compress(rgbBytes(picture)));
    pdf.addStream("", std::vector<uint8_t>(drawing.begin(), drawing.end()));
    pdf.addObject("<< /Title " + pdfText(title) + " /Creator " + pdfText(platform::kProgramName) +
                  " >>");
    return pdf.finish();
}

}  // namespace web
