#include "dialogs/ElementPicture.h"

#include <QPainter>

#include "canvas/BitmapStore.h"
#include "model/ElementPicture.h"

namespace dialogs {

QImage buildElementPicture(const ElementPictureParts& parts) {
    if (parts.width <= 0 || parts.height <= 0) return {};
    QImage picture(parts.width, parts.height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (const PlacedBitmap& part : elementPicture(parts.bodyBitmap, {parts.width, parts.height},
                                                   parts.outputBitmap, parts.symbolBitmap)) {
        if (part.id == 0) continue;
        const QImage& image = canvas::bitmapImage(part.id);
        if (image.isNull()) continue;
        painter.drawImage(QRect(part.box.left, part.box.top, part.box.width(), part.box.height()),
                          image);
    }
    return picture;
}

}  // namespace dialogs
