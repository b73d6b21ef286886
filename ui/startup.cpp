#include "startup.h"

#include "applicationicon.h"
#include "fontconfig.h"
#include "frmreelmoor.h"
#include "reelmoorversion.h"
#include "systemrandom.h"
#include "translation.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <thread>

namespace reelmoor {

int runGame(int& argc, char* argv[], const StartupObserver& reached) {
    std::jthread fontConfiguration = loadFontConfiguration();
    QApplication app(argc, argv);
    reached(StartupStep::ApplicationCreated, app);
    setUpApplication(app);
    if (fontConfiguration.joinable()) {
        fontConfiguration.join();
    }
    // Choosing a language asks fontconfig whether any font draws it.
    const Language language = installPlayerLanguage(app);
    QApplication::setFont(language.applicationFont(QApplication::font()));

    SystemRandom random;
    frmReelmoor window(random, showInformationBox, language);
    centreOnScreen(window);
    reached(StartupStep::WindowBuilt, app);
    window.show();
    setApplicationIcon(app);
    reached(StartupStep::WindowShown, app);
    return QApplication::exec();
}

void setUpApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Reelmoor"));
    app.setApplicationVersion(QStringLiteral(REELMOOR_DISPLAY_VERSION));
    app.setDesktopFileName(QStringLiteral(REELMOOR_APP_ID));
}

void centreOnScreen(QWidget& window) {
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
}

} // namespace reelmoor
