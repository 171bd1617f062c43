// The vector pictures against the PNG, through Debian's own rasterisers, and the
// window's picture command against lotra-sim.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

#include "ExampleFiles.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "io/CircuitFile.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

std::string shellWord(const fs::path& path) {
    return "'" + path.string() + "'";
}

bool runs(const std::string& command) {
    const int status = std::system((command + " >/dev/null").c_str());
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void writePictures(const fs::path& file, const fs::path& stem) {
    const LotraSimOutcome run =
        runLotraSim(quotedWords({"--png", stem.string() + ".png", "--svg", stem.string() + ".svg",
                                 "--pdf", stem.string() + ".pdf", file.string()}),
                    stem.parent_path());
    ASSERT_EQ(run.status, 0) << run.err;
}

QImage loaded(const fs::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_RGB32);
}

// The PDF's page at `dpi` as pixels.
QImage pdfPage(const fs::path& pdf, double dpi) {
    const fs::path stem = pdf.parent_path() / "page";
    EXPECT_TRUE(runs("pdftoppm -singlefile -png -r " + std::to_string(dpi) + " " + shellWord(pdf) +
                     " " + shellWord(stem)));
    return loaded(stem.string() + ".png");
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 160;
}

// The box of the dark pixels in rows [top, bottom).
QRect darkBox(const QImage& image, int top, int bottom) {
    QRect box;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (dark(image, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

// Dark pixels of `a` with no dark pixel of `b` at most one pixel away, and the
// other way round: antialiasing moves edges by a pixel, a missing or misplaced
// element leaves many.
int unmatchedDarkPixels(const QImage& a, const QImage& b) {
    const auto nearby = [](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (QRect(QPoint(0, 0), image.size()).contains(x + dx, y + dy) &&
                    dark(image, x + dx, y + dy))
                    return true;
        return false;
    };
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += (dark(a, x, y) && !nearby(b, x, y)) + (dark(b, x, y) && !nearby(a, x, y));
    return count;
}

// The fewest unmatched dark pixels of `drawing` against the part of `page` at
// `at`, moved by up to two pixels: the rasteriser's grey edges decide where a
// dark box starts.
int unmatchedNearby(const QImage& drawing, const QImage& page, QPoint at) {
    int fewest = std::numeric_limits<int>::max();
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            fewest = std::min(
                fewest, unmatchedDarkPixels(drawing,
                                            page.copy(QRect(at + QPoint(dx, dy), drawing.size()))));
    return fewest;
}

int darkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += dark(image, x, y);
    return count;
}

// The page's picture: everything dark above the blank rows over the title line,
// the last dark line of the page.
QRect pictureOnPage(const QImage& page) {
    const QRect all = darkBox(page, 0, page.height());
    int titleTop = all.bottom();
    while (titleTop > 0 && !darkBox(page, titleTop - 1, titleTop).isValid()) --titleTop;
    while (titleTop > 0 && darkBox(page, titleTop - 1, titleTop).isValid()) --titleTop;
    EXPECT_GT(all.bottom() - titleTop, 1) << "a title line under the picture";
    return darkBox(page, 0, titleTop);
}

TEST(PictureFiles, SvgAndPdfRenderedBackShowWhatThePngShows) {
    TemporaryDirectory directory;
    ASSERT_TRUE(directory.ok());
    for (const fs::path& file : exampleFiles()) {
        SCOPED_TRACE(file.filename().string());
        const fs::path stem = directory.path() / "picture";
        writePictures(file, stem);
        const QImage png = loaded(stem.string() + ".png");
        const int tolerance = darkPixels(png) / 50;

        ASSERT_TRUE(runs("rsvg-convert -b white -w " + std::to_string(png.width()) + " -h " +
                         std::to_string(png.height()) + " -o " +
                         shellWord(stem.string() + "-svg.png") + " " +
                         shellWord(stem.string() + ".svg")));
        EXPECT_LE(unmatchedDarkPixels(png, loaded(stem.string() + "-svg.png")), tolerance);

        // An A4 page; rendered again where the picture has its own size, it lies
        // centred on the page with the PNG's drawing.
        const QImage overview = pdfPage(stem.string() + ".pdf", 96);
        EXPECT_EQ(overview.size(), QSize(794, 1123));
        const QRect drawn = darkBox(png, 0, png.height());
        // Twice the window's size at most, within the 180 mm between the margins.
        const int widthOnPage = pictureOnPage(overview).width();
        const double scale = std::min(2.0, 680.0 / png.width());
        EXPECT_NEAR(widthOnPage, scale * drawn.width(), 3);
        const double dpi = 96.0 * drawn.width() / widthOnPage;
        const QImage page = pdfPage(stem.string() + ".pdf", dpi);
        const QRect onPage = pictureOnPage(page);
        EXPECT_NEAR(onPage.center().x(), page.width() / 2.0, 2 + page.width() / 100.0);
        // Scaled to a dpi of no round number, the rasteriser greys more edges.
        EXPECT_LE(unmatchedNearby(png.copy(drawn), page, onPage.topLeft()), darkPixels(png) / 20);
    }
}

// Types `name` into the file-name dialog that the command is about to open.
void answerFileNameDialog(QObject* context, const std::string& name, bool& seen) {
    QTimer::singleShot(0, context, [name, &seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        auto* edit = dialog ? dialog->findChild<QLineEdit*>("edit1006") : nullptr;
        if (!edit) return;
        edit->setText(QString::fromStdString(name));
        dialog->accept();
        seen = true;
    });
}

TEST(WindowPicture, ThePictureCommandWritesWhatLotraSimWrites) {
    TemporaryDirectory directory;  // the window keeps its recovery file here
    ASSERT_TRUE(directory.ok());
    const fs::path file = fs::path(LOTRA_SOURCE_DIR) / "res/examples/full-adder.vrt";
    desktop::CDesktopWindow window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    CVortafrm& core = window.core();
    CCircuit opened;
    io::decodeCircuit(bytesOf(file), opened);
    core.replaceCircuit(std::move(opened), file.string());
    core.OnCommand(command::PowerOn);
    // A name without an ending gets .png.
    for (const char* name : {"window", "window.svg", "window.pdf"}) {
        bool seen = false;
        answerFileNameDialog(&window, name, seen);
        core.OnCommand(command::FileSavePicture);
        EXPECT_TRUE(seen) << name;
    }
    writePictures(file, directory.path() / "command");
    EXPECT_EQ(bytesOf("window.png"), bytesOf("command.png"));
    EXPECT_EQ(bytesOf("window.svg"), bytesOf("command.svg"));
    // The PDFs differ in their creation time alone.
    EXPECT_EQ(pdfPage("window.pdf", 96), pdfPage("command.pdf", 96));
}

}  // namespace
