#pragma once

#include <QtGlobal>

namespace reelmoor {

// The program icon's square images, made from its PNG files at build time, as
// straight (not premultiplied) ARGB32 pixels, row by row, smallest first.
struct IconPixels {
    int size;
    const quint32* pixels;
};
extern const IconPixels kIconPixels[];
extern const int kIconPixelsCount;

} // namespace reelmoor
