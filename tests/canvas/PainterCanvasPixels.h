#pragma once
#include <QImage>
#include <QPainter>
#include <QRect>
#include <functional>
#include <string>
#include <vector>

#include "canvas/PainterCanvas.h"

// Helpers of the pixel tests of the Qt canvas.
namespace pixels {

inline const QRgb kWhite = qRgb(255, 255, 255);
inline const QRgb kBlack = qRgb(0, 0, 0);
inline const QRgb kRed = qRgb(255, 0, 0);
inline const QRgb kBlue = qRgb(0, 0, 255);
inline const QRgb kGrey = qRgb(128, 128, 128);
inline const QRgb kGreen = qRgb(0, 200, 0);

// Draws onto a fresh image of the background colour through the Qt canvas.
inline QImage painted(const std::function<void(platform::Canvas&)>& draw, QRgb background = kWhite,
                      QSize size = {120, 80}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    canvas::CPainterCanvas canvas(painter);
    draw(canvas);
    painter.end();
    return image;
}

// The rows of a region as '#' for the ink colour and '.' for anything else.
inline std::vector<std::string> rowsOf(const QImage& image, QRect region, QRgb ink) {
    std::vector<std::string> rows;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        std::string row;
        for (int x = region.left(); x <= region.right(); ++x) {
            row += image.pixel(x, y) == ink ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

inline int count(const QImage& image, QRect region, QRgb colour) {
    int n = 0;
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) n += image.pixel(x, y) == colour;
    }
    return n;
}

}  // namespace pixels
