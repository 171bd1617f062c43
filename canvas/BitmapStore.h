#pragma once
#include <QIcon>
#include <QImage>
#include <cstdint>

namespace canvas {

// The bitmap resource of an id (101 is the application icon at 32 x 32, 102 to 134
// the element pictures), loaded once and kept: the pictures never change. A null
// image for an id that has no picture.
const QImage& bitmapImage(int32_t id);

// The same picture in the embossed grey style of a disabled control: every pixel
// that is not white becomes grey with a white highlight one pixel down and right;
// white pixels become transparent. Kept like the pictures themselves.
const QImage& disabledBitmapImage(int32_t id);

// The application icon at 32 x 32 and 64 x 64.
QIcon applicationIcon();

}  // namespace canvas
