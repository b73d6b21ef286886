#include "startup.h"

#include "application.h"
#include "fontconfig.h"
#include "frmreelmoor.h"
#include "systemrandom.h"
#include "translation.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>

#include <thread>

namespace reelmoor {

int runGame(int& argc, char* argv[], const StartupObserver& reached) {
    const auto step = [&](StartupStep done, QApplication& app) {
        if (reached) {
            reached(done, app);
        }
    };
    std::jthread fontConfiguration = loadFontConfiguration();
    QApplication app(argc, argv);
    step(StartupStep::ApplicationCreated, app);
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
    step(StartupStep::WindowBuilt, app);
    window.show();
    setApplicationIcon(app);
    step(StartupStep::WindowShown, app);
    return QApplication::exec();
}

void centreOnScreen(QWidget& window) {
    window.adjustSize();
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           window.screen()->availableGeometry()));
}

} // namespace reelmoor
