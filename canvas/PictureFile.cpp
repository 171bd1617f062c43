#include "canvas/PictureFile.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>

#include "canvas/PainterCanvas.h"
#include "platform/ProgramName.h"

namespace canvas {
namespace {

using Painting = std::function<void(platform::Canvas&)>;

// The window's pixels are screen pixels of 96 to the inch.
constexpr int kScreenDpi = 96;
constexpr int kPdfDpi = 1200;
constexpr qreal kPdfMarginMm = 15;
// A small circuit is enlarged at most this much on the page, so that a few
// elements do not fill it with coarse bitmaps.
constexpr qreal kPdfLargest = 2.0;
constexpr int kTitlePoints = 11;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void paintOnWhite(QPainter& painter, const QSize& size, const Painting& paint) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    CPainterCanvas canvas(painter);
    paint(canvas);
}

bool writePng(QIODevice& file, const QSize& size, const Painting& paint, std::string& error) {
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        error = "not enough memory for the picture";
        return false;
    }
    QPainter painter(&image);
    paintOnWhite(painter, size, paint);
    painter.end();
    return image.save(&file, "PNG");
}

bool writeSvg(QIODevice& file, const QSize& size, const QString& title, const Painting& paint) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(kScreenDpi);
    svg.setTitle(title);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    paintOnWhite(painter, size, paint);
    return painter.end();
}

bool writePdf(QIODevice& file, const QSize& size, const QString& title, const Painting& paint) {
    QPdfWriter pdf(&file);
    pdf.setResolution(kPdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                                  QPageLayout::Millimeter));
    pdf.setTitle(title);
    pdf.setCreator(QString::fromUtf8(platform::kProgramName));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    QFont titleFont;
    titleFont.setPointSize(kTitlePoints);
    const int titleHeight = 2 * QFontMetrics(titleFont, &pdf).height();
    const QRect page = painter.viewport();
    const qreal scale = std::min({qreal(page.width()) / size.width(),
                                  qreal(page.height() - titleHeight) / size.height(),
                                  kPdfLargest * kPdfDpi / kScreenDpi});
    const qreal left = (page.width() - size.width() * scale) / 2;
    painter.save();
    painter.translate(left, 0);
    painter.scale(scale, scale);
    paintOnWhite(painter, size, paint);
    painter.restore();
    painter.setFont(titleFont);
    painter.setPen(Qt::black);
    const int titleTop = static_cast<int>(size.height() * scale);
    painter.drawText(QRect(0, titleTop, page.width(), titleHeight), Qt::AlignCenter, title);
    return painter.end();
}

bool writeFormat(QIODevice& file, const platform::PictureRequest& request, const Painting& paint,
                 std::string& error) {
    const QSize size(request.area.width(), request.area.height());
    const QString title = fromUtf8(request.title);
    switch (request.format) {
        case platform::PictureFormat::Png:
            return writePng(file, size, paint, error);
        case platform::PictureFormat::Svg:
            return writeSvg(file, size, title, paint);
        case platform::PictureFormat::Pdf:
            return writePdf(file, size, title, paint);
    }
    return false;
}

}  // namespace

bool encodePicture(const platform::PictureRequest& request, const Painting& paint,
                   std::vector<uint8_t>& bytes, std::string& error) {
    QByteArray encoded;
    QBuffer buffer(&encoded);
    if (!buffer.open(QIODevice::WriteOnly) || !writeFormat(buffer, request, paint, error)) {
        if (error.empty()) error = "the picture could not be drawn";
        return false;
    }
    bytes.assign(encoded.begin(), encoded.end());
    return true;
}

}  // namespace canvas
