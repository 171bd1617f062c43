#include "canvas/BitmapStore.h"

#include <QColor>
#include <QString>
#include <array>

#include "model/ElementKind.h"

// The resources live in a static library, whose initialiser the linker may leave out
// of an executable that names nothing in it; naming it here keeps it. The macro must
// be used outside any namespace.
static void registerBitmapResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

namespace canvas {
namespace {

constexpr int32_t kFirstId = bitmap::Icon;
constexpr int32_t kLastId = bitmap::Last;
constexpr int32_t kIconId = bitmap::Icon;

struct StoredBitmap {
    bool loaded = false;
    QImage normal;
    QImage disabled;
};

QImage loadPicture(int32_t id) {
    registerBitmapResources();
    const QString path = id == kIconId ? QStringLiteral(":/icons/101.xpm")
                                       : QStringLiteral(":/bitmaps/%1.xpm").arg(id);
    QImage image(path);
    if (image.isNull()) return image;
    // Element pictures are opaque; the icon keeps its transparent surround.
    return image.convertToFormat(id == kIconId ? QImage::Format_ARGB32_Premultiplied
                                               : QImage::Format_RGB32);
}

QImage embossed(const QImage& picture) {
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    const QRgb highlight = qRgb(255, 255, 255);
    const QRgb shadow = qRgb(128, 128, 128);
    auto isInk = [&](int x, int y) {
        const QRgb pixel = picture.pixel(x, y);
        return qAlpha(pixel) != 0 && (pixel & 0xFFFFFF) != 0xFFFFFF;
    };
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (isInk(x, y)) {
                result.setPixel(x, y, shadow);
            } else if (x > 0 && y > 0 && isInk(x - 1, y - 1)) {
                result.setPixel(x, y, highlight);
            }
        }
    }
    return result;
}

StoredBitmap& stored(int32_t id) {
    static std::array<StoredBitmap, kLastId - kFirstId + 1> store;
    static StoredBitmap none{true, {}, {}};
    if (id < kFirstId || id > kLastId) return none;
    StoredBitmap& entry = store[static_cast<size_t>(id - kFirstId)];
    if (!entry.loaded) {
        entry.normal = loadPicture(id);
        if (!entry.normal.isNull()) entry.disabled = embossed(entry.normal);
        entry.loaded = true;
    }
    return entry;
}

}  // namespace

const QImage& bitmapImage(int32_t id) {
    return stored(id).normal;
}

const QImage& disabledBitmapImage(int32_t id) {
    return stored(id).disabled;
}

QIcon applicationIcon() {
    registerBitmapResources();
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/101.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/101-64.xpm"), QSize(64, 64));
    return icon;
}

}  // namespace canvas
