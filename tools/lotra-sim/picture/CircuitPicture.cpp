// The one part of lotra-sim that uses Qt: its image and painting classes, without a
// display and without widgets.
#include "tools/lotra-sim/CircuitPicture.h"

#include <QBuffer>
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "canvas/PainterCanvas.h"
#include "render/WorkArea.h"
#include "tools/lotra-sim/PictureArea.h"

namespace lotrasim {
namespace {

// Qt's notes about the environment (no runtime directory and the like) are not the
// user's business; only what stops the picture is reported.
void reportSeriousQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "lotra-sim: %s\n", qPrintable(text));
}

// Fonts need an application object. A command has no display, so it draws on the
// offscreen platform, and the object goes when the picture is written, while the
// libraries it cleans up after are still there.
std::unique_ptr<QGuiApplication> offscreenApplication() {
    if (QGuiApplication::instance()) return nullptr;
    qInstallMessageHandler(reportSeriousQtMessages);
    static int argc = 3;
    static char program[] = "lotra-sim";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

QImage paintedPicture(CCircuit& circuit, bool powered) {
    const Rect area = pictureArea(circuit);
    QImage image(area.width(), area.height(), QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    canvas::CPainterCanvas canvas(painter);
    render::paintWorkArea(canvas, circuit, {}, ScrollOffsets{area.left, area.top}, powered,
                          {0, 0, image.width(), image.height()});
    painter.end();
    return image;
}

}  // namespace

bool picturesAvailable() {
    return true;
}

bool drawCircuitPicture(CCircuit& circuit, bool powered, std::vector<uint8_t>& png,
                        std::string& error) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    const QImage image = paintedPicture(circuit, powered);
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = "not enough memory for the picture";
        return false;
    }
    png.assign(encoded.begin(), encoded.end());
    return true;
}

}  // namespace lotrasim
