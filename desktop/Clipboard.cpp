// The system clipboard: a group of elements goes there as circuit-file bytes under
// the program's own type, with its picture for programs that take images, and in
// the form a browser gives a page's own types (the bytes in Base64), for the
// program's page.
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPainter>

#include "canvas/PainterCanvas.h"
#include "desktop/DesktopWindow.h"
#include "desktop/WebCustomData.h"
#include "platform/Shell.h"

namespace desktop {

void CDesktopWindow::putOnClipboard(const std::vector<uint8_t>& circuit, Size size,
                                    const std::function<void(platform::Canvas&)>& paint) {
    auto* contents = new QMimeData;
    const QString type = QString::fromUtf8(platform::kCircuitClipboardType);
    const QByteArray bytes(reinterpret_cast<const char*>(circuit.data()),
                           static_cast<qsizetype>(circuit.size()));
    contents->setData(type, bytes);
    contents->setData(QString::fromUtf8(kWebCustomDataFormat),
                      encodeWebCustomData({{type, QString::fromLatin1(bytes.toBase64())}}));
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
    if (!contents) return std::nullopt;
    QByteArray bytes;
    if (contents->hasFormat(type)) {
        bytes = contents->data(type);
    } else if (const std::optional<QString> text = webCustomDataText(
                   contents->data(QString::fromUtf8(kWebCustomDataFormat)), type)) {
        const auto decoded = QByteArray::fromBase64Encoding(text->toLatin1());
        if (!decoded) return std::nullopt;
        bytes = *decoded;
    } else {
        return std::nullopt;
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool CDesktopWindow::clipboardMayHoldCircuit() {
    if (!clipboardHoldsCircuit_) clipboardHoldsCircuit_ = clipboardCircuit().has_value();
    return *clipboardHoldsCircuit_;
}

}  // namespace desktop
