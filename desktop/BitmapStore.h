#pragma once
#include <QImage>
#include <cstdint>

namespace desktop {

// The bitmap resource of an id (101 is the application icon, 102 to 134 the
// element pictures), loaded once and kept: the pictures never change. A null
// image for an id that has no picture.
const QImage& bitmapImage(int32_t id);

}  // namespace desktop
