#include "application.h"

#include "symbolart.h"

#include <QApplication>
#include <QIcon>

namespace reelmoor {

QIcon applicationIcon() {
    // Images made beforehand from the drawing: rendering the SVG for the window
    // manager's sizes, or looking it up in the icon theme, slows start-up by
    // several milliseconds.
    QIcon icon;
    for (int size : SymbolArt::kIconPngSizes) {
        icon.addFile(SymbolArt::iconPngResource(size), QSize(size, size));
    }
    return icon;
}

void setUpApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Reelmoor"));
    app.setApplicationVersion(QStringLiteral(REELMOOR_DISPLAY_VERSION));
    app.setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
    app.setWindowIcon(applicationIcon());
}

} // namespace reelmoor
