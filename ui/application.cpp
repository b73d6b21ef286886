#include "application.h"

#include <QApplication>

namespace reelmoor {

void setUpApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Reelmoor"));
    app.setApplicationVersion(QStringLiteral(REELMOOR_DISPLAY_VERSION));
    app.setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
}

} // namespace reelmoor
