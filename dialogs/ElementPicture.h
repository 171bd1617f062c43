#pragma once
#include <cstdint>

#include <QImage>

namespace dialogs {

// What an element looks like at natural size: its body and, for a gate, the output
// mark and the type glyph (0 for none).
struct ElementPictureParts {
    int32_t bodyBitmap = 0;
    int32_t outputBitmap = 0;
    int32_t symbolBitmap = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The picture at width × height; the marks go where the gate bitmaps leave room
// for them. Missing bitmaps are left out.
QImage buildElementPicture(const ElementPictureParts& parts);

}  // namespace dialogs
