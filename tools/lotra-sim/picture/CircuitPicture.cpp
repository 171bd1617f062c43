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

}  // namespace

// A command has no display, so it draws on the offscreen platform. The object goes
// when the drawer does, while the libraries it cleans up after are still there.
struct PictureDrawer::Application {
    std::unique_ptr<QGuiApplication> offscreen;
};

PictureDrawer::PictureDrawer() : application_(std::make_unique<Application>()) {
    if (QGuiApplication::instance()) return;
    qInstallMessageHandler(reportSeriousQtMessages);
    // Qt takes the options it knows out of these, so they serve one application only.
    static int argc = 3;
    static char program[] = "lotra-sim";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    application_->offscreen = std::make_unique<QGuiApplication>(argc, argv);
}

PictureDrawer::~PictureDrawer() = default;

bool picturesAvailable() {
    return true;
}

// A member, so that it is called only while the drawer's application lives.
// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
bool PictureDrawer::draw(const CCircuit& circuit, const PictureFile& picture,
                         const std::string& circuitFile, bool powered, std::vector<uint8_t>& bytes,
                         std::string& error) const {
    const platform::PictureRequest request =
        render::circuitPictureRequest(circuit, picture.path, picture.format, circuitFile);
    return canvas::encodePicture(request, render::circuitPainting(circuit, request.area, powered),
                                 bytes, error);
}

// NOLINTNEXTLINE(readability-convert-member-functions-to-static)
bool PictureDrawer::drawPicture(const platform::PictureRequest& request,
                                const std::function<void(platform::Canvas&)>& paint,
                                std::vector<uint8_t>& bytes, std::string& error) const {
    return canvas::encodePicture(request, paint, bytes, error);
}

}  // namespace lotrasim
