#pragma once

#include <QString>

namespace reelmoor {

// The icon's source files as resources, for the checks and tools that hold
// them against what the program shows. The program itself carries only the
// pixels taken from the PNG images.
struct IconFiles {
    static QString svg() { return QStringLiteral(":/icon/reelmoor.svg"); }
    // The image made from the drawing at 64, 128 or 256 pixels.
    static QString png(int size = 64) { return QStringLiteral(":/icon/reelmoor-%1.png").arg(size); }
    static constexpr int kPngSizes[] = {64, 128, 256};
};

} // namespace reelmoor
