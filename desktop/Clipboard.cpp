// The system clipboard: a group of elements goes there as circuit-file bytes under
// the program's own type, with its picture for programs that take images.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

#include "canvas/PainterCanvas.h"
#include "desktop/DesktopWindow.h"
#include "platform/Shell.h"

namespace desktop {

void CDesktopWindow::putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                                    const std::function<void(platform::Canvas&)>& paint) {
    auto* contents = new QMimeData;
    contents->setData(QString::fromUtf8(platform::kCircuitClipboardType),
                      QByteArray(reinterpret_cast<const char*>(circuit.data()),
                                 static_cast<qsizetype>(circuit.size())));
    if (size.width > 0 && size.height > 0) {
        QImage picture(size.width, size.height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        canvas::CPainterCanvas canvas(painter);
        paint(canvas);
        painter.end();
        contents->setImageData(picture);
    }
    QGuiApplication::clipboard()->setMimeData(contents);
}

std::optional<std::vector<uint8_t>> CDesktopWindow::clipboardCircuit() {
    const QMimeData* contents = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromUtf8(platform::kCircuitClipboardType);
    if (!contents || !contents->hasFormat(type)) return std::nullopt;
    const QByteArray bytes = contents->data(type);
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

}  // namespace desktop
