// The one part of lotra-sim that uses Qt: its image and painting classes, without a
// display and without widgets.
#include "tools/lotra-sim/CircuitPicture.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

#include "canvas/PictureFile.h"
#include "render/CircuitPicture.h"

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

}  // namespace

bool picturesAvailable() {
    return true;
}

bool drawCircuitPicture(const CCircuit& circuit, const PictureFile& picture,
                        const std::string& circuitFile, bool powered, std::vector<uint8_t>& bytes,
                        std::string& error) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    const platform::PictureRequest request =
        render::circuitPictureRequest(circuit, picture.path, picture.format, circuitFile);
    return canvas::encodePicture(request, render::circuitPainting(circuit, request.area, powered),
                                 bytes, error);
}

bool drawPicture(const platform::PictureRequest& request,
                 const std::function<void(platform::Canvas&)>& paint, std::vector<uint8_t>& bytes,
                 std::string& error) {
    const std::unique_ptr<QGuiApplication> application = offscreenApplication();
    return canvas::encodePicture(request, paint, bytes, error);
}

}  // namespace lotrasim
