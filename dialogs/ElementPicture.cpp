#include "dialogs/ElementPicture.h"

#include <QPainter>

#include "canvas/BitmapStore.h"

namespace dialogs {

namespace {
void drawBitmap(QPainter& painter, int32_t id, const QRect& at) {
    const QImage& image = canvas::bitmapImage(id);
    if (!image.isNull()) painter.drawImage(at, image);
}
}  // namespace

QImage buildElementPicture(const ElementPictureParts& parts) {
    if (parts.width <= 0 || parts.height <= 0) return {};
    QImage picture(parts.width, parts.height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    drawBitmap(painter, parts.bodyBitmap, QRect(0, 0, parts.width, parts.height));
    if (parts.outputBitmap != 0) {
        drawBitmap(painter, parts.outputBitmap, QRect(22, parts.height / 2 - 2, 5, 5));
    }
    if (parts.symbolBitmap != 0) drawBitmap(painter, parts.symbolBitmap, QRect(16, 2, 6, 9));
    return picture;
}

}  // namespace dialogs
