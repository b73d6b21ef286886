#include "iconfiles.h"

namespace reelmoor {

QString IconFiles::svg() {
    return QStringLiteral(":/icon/reelmoor.svg");
}

QString IconFiles::png(int size) {
    return QStringLiteral(":/icon/reelmoor-%1.png").arg(size);
}

} // namespace reelmoor
