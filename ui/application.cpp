#include "application.h"

#include "symbolart.h"

#include <QApplication>
#include <QIcon>

namespace reelmoor {

QIcon applicationIcon() {
    // The drawing serves every size; the 64-pixel image is the hand-tuned one.
    QIcon fallback(SymbolArt::iconResource());
    fallback.addFile(SymbolArt::iconPngResource());
    return QIcon::fromTheme(QStringLiteral(REELMOOR_APP_ID), fallback);
}

void setUpApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Reelmoor"));
    app.setApplicationVersion(QStringLiteral(REELMOOR_DISPLAY_VERSION));
    app.setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
    app.setWindowIcon(applicationIcon());
}

} // namespace reelmoor
