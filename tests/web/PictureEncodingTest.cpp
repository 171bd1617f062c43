// The page's picture files read back by other programs' decoders: Qt's PNG reader,
// and Debian's rasterisers for the SVG and the PDF, must each give back every pixel.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QImage>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

#include "support/TemporaryDirectory.h"
#include "web/PdfPicture.h"
#include "web/PngEncoder.h"
#include "web/SvgPicture.h"

namespace {

web::Picture randomPicture(int32_t width, int32_t height, std::mt19937& random) {
    web::Picture picture{width, height, {}};
    for (int32_t i = 0; i < width * height; ++i)
        picture.pixels.push_back(0xFF000000u | (random() & 0xFFFFFFu));
    return picture;
}

void writeFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// A program that turns `from` into the PNG `to`; the PNG as Qt reads it.
QImage renderedBy(const std::string& command, const std::string& to) {
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
    return QImage(QString::fromStdString(to));
}

// The first pixel that differs, as "x,y", or nothing; `image` may show each pixel
// as a square of `scale` x `scale`, whose centre counts.
std::string firstDifference(const web::Picture& picture, const QImage& image, int scale = 1) {
    if (image.width() != picture.width * scale || image.height() != picture.height * scale)
        return "size " + std::to_string(image.width()) + "x" + std::to_string(image.height());
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint32_t word = picture.at(x, y);
            const QRgb wanted =
                0xFF000000u | (word & 0xFFu) << 16 | (word & 0xFF00u) | (word >> 16 & 0xFFu);
            if ((image.pixel(x * scale + scale / 2, y * scale + scale / 2) & 0xFFFFFF) !=
                (wanted & 0xFFFFFF))
                return std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

}  // namespace

// One pixel, a few rows, and pictures whose pixels fill several stored blocks.
TEST(PagePictureFiles, EveryFormatGivesBackEveryPixel) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    std::mt19937 random(20261209);
    const std::pair<int32_t, int32_t> sizes[] = {{1, 1}, {5, 3}, {250, 90}, {301, 257}};
    for (const auto& [width, height] : sizes) {
        SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
        const web::Picture picture = randomPicture(width, height, random);
        const std::vector<uint8_t> png = web::encodePng(picture);
        EXPECT_EQ(firstDifference(
                      picture, QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG")),
                  "")
            << "PNG";

        const std::string svg = web::svgWithPng(png, width, height, "Схема <1> & \"2\"");
        writeFile("picture.svg", std::vector<uint8_t>(svg.begin(), svg.end()));
        EXPECT_EQ(
            firstDifference(picture, renderedBy("rsvg-convert -o svg.png picture.svg", "svg.png")),
            "")
            << "SVG";

        // One point to a pixel. Poppler smooths an image enlarged less than four
        // times, so the page is read at four dots to a point.
        writeFile("picture.pdf", web::pdfWithPixels(picture, "Схема"));
        const QImage pdf =
            renderedBy("pdftoppm -singlefile -png -r 288 picture.pdf pdf", "pdf.png");
        EXPECT_EQ(firstDifference(picture, pdf, 4), "") << "PDF";
    }
}
