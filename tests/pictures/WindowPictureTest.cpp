#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "ExampleFiles.h"
#include "app/CommandIds.h"
#include "app/Vortafrm.h"
#include "desktop/DesktopWindow.h"
#include "desktop/WorkAreaWidget.h"
#include "io/CircuitFile.h"
#include "render/PictureArea.h"
#include "support/LotraSim.h"
#include "support/TemporaryDirectory.h"

namespace fs = std::filesystem;

namespace {

// The example opened in the main window with the power switched on, as a student
// sees it, cropped as lotra-sim crops its picture.
QImage windowPicture(const fs::path& file) {
    desktop::CDesktopWindow window;
    window.resize(700, 560);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    CVortafrm& core = window.core();
    CCircuit opened;
    io::decodeCircuit(bytesOf(file), opened);
    core.replaceCircuit(std::move(opened), file.string());
    core.OnCommand(command::PowerOn);
    const QImage shot = window.workArea().grab().toImage().convertToFormat(QImage::Format_RGB32);

    const Rect area = render::pictureArea(core.circuit());
    const QRect crop(area.left, area.top, area.width(), area.height());
    // The scroll bars cover the left and bottom edges of the work area.
    EXPECT_GE(crop.left(), 17);
    EXPECT_LE(crop.bottom(), shot.height() - 18);
    EXPECT_LE(crop.right(), shot.width() - 1);
    return shot.copy(crop);
}

QImage commandPicture(const fs::path& file, const fs::path& png) {
    const LotraSimOutcome run =
        runLotraSim(quotedWords({"--png", png.string(), file.string()}), png.parent_path());
    EXPECT_EQ(run.status, 0) << run.err;
    return QImage(QString::fromStdString(png.string())).convertToFormat(QImage::Format_RGB32);
}

int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

int pixelsOf(const QImage& image, QRgb colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) == colour;
    return count;
}

TEST(WindowPicture, LotraSimDrawsEachExampleAsTheWindowDoes) {
    TemporaryDirectory directory;  // the window keeps its recovery file here
    ASSERT_TRUE(directory.ok());
    const std::vector<fs::path> files = exampleFiles();
    ASSERT_GE(files.size(), 5u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const QImage window = windowPicture(file);
        const QImage command = commandPicture(file, directory.path() / "picture.png");
        ASSERT_EQ(command.size(), window.size());
        EXPECT_EQ(differingPixels(command, window), 0);
        // Not two blank pages: the powered circuit shows red ones and blue zeros.
        EXPECT_GT(pixelsOf(command, qRgb(255, 0, 0)), 0);
        EXPECT_GT(pixelsOf(command, qRgb(0, 0, 255)), 0);
    }
}

}  // namespace
